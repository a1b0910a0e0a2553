#include "support/LayoutCheck.h"

#include "widgets/Look.h"

#include <QtWidgets>

namespace {

// A caption that needs more room than its control gives it, or "".
QString Clipped(const QWidget* widget, const QString& text, QSize needed, QSize has) {
    QString problem;
    if (needed.width() > has.width() || needed.height() > has.height())
        QDebug(&problem).noquote()
            << widget->objectName() + ": \"" + text + "\" needs" << needed << "has" << has;
    return problem;
}

QString ButtonProblem(QAbstractButton* button) {
    if (button->text().isEmpty())
        return {};
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (qobject_cast<QCheckBox*>(button))
        element = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<QRadioButton*>(button))
        element = QStyle::SE_RadioButtonContents;
    else if (!qobject_cast<QPushButton*>(button))
        return {};
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QSize needed = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    if (!button->icon().isNull() && element == QStyle::SE_PushButtonContents)
        needed.rheight() += button->iconSize().height();
    return Clipped(button, button->text(), needed,
                   button->style()->subElementRect(element, &option, button).size());
}

QString LabelProblem(QLabel* label) {
    if (label->text().isEmpty() || label->textFormat() == Qt::RichText)
        return {};
    const QRect room = label->contentsRect();
    const int flags = Qt::TextShowMnemonic | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return Clipped(
        label, label->text(),
        label->fontMetrics().boundingRect(room, flags | label->alignment(), label->text()).size(),
        room.size());
}

} // namespace

QStringList LayoutProblems(QWidget* window) {
    QStringList problems;
    const QString family = QString::fromLatin1(LookFontFamily());
    const QString got = QFontInfo(QApplication::font()).family();
    if (!family.isEmpty() && got != family)
        problems << QStringLiteral("font \"%1\" is not installed (got \"%2\")").arg(family, got);

    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || widget->isWindow())
            continue;
        QWidget* parent = widget->parentWidget();
        // Pages of a tab widget are laid out by it; scroll areas move their
        // contents on purpose.
        if (!qobject_cast<QTabWidget*>(parent->parentWidget()) &&
            parent->objectName() != QLatin1String("qt_scrollarea_viewport") &&
            !parent->rect().contains(widget->geometry()))
            problems << widget->objectName() + " lies outside " + parent->objectName();
        QString problem;
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            problem = ButtonProblem(button);
        else if (auto* label = qobject_cast<QLabel*>(widget))
            problem = LabelProblem(label);
        else if (auto* box = qobject_cast<QGroupBox*>(widget))
            problem =
                Clipped(box, box->title(),
                        {box->fontMetrics().horizontalAdvance(box->title()) + 16, 0}, box->size());
        if (!problem.isEmpty())
            problems << problem;
    }
    return problems;
}

QStringList LayoutProblemsOnEveryPage(QWidget* window) {
    auto* tabs = window->findChild<QTabWidget*>();
    if (!tabs)
        return LayoutProblems(window);
    QStringList problems;
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        for (const QString& problem : LayoutProblems(window))
            problems << tabs->tabText(page) + QStringLiteral(": ") + problem;
    }
    return problems;
}
