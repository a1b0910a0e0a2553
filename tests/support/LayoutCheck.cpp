#include "support/LayoutCheck.h"

#include "platform/Look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>

namespace {

QString Clipped(const QWidget* widget, const QString& text, QSize needed, QSize has) {
    return QStringLiteral("%1 (%2): \"%3\" needs %4x%5, has %6x%7")
        .arg(widget->objectName(), QString::fromLatin1(widget->metaObject()->className()), text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(has.width())
        .arg(has.height());
}

bool Fits(QSize needed, QSize has) {
    return needed.width() <= has.width() && needed.height() <= has.height();
}

void CheckButton(QAbstractButton* button, QStringList& problems) {
    if (button->text().isEmpty())
        return;
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (qobject_cast<QCheckBox*>(button))
        element = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<QRadioButton*>(button))
        element = QStyle::SE_RadioButtonContents;
    else if (!qobject_cast<QPushButton*>(button))
        return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    const QSize has = button->style()->subElementRect(element, &option, button).size();
    QSize needed = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    if (!button->icon().isNull() && element == QStyle::SE_PushButtonContents)
        needed.setHeight(needed.height() + button->iconSize().height());
    if (!Fits(needed, has))
        problems << Clipped(button, button->text(), needed, has);
}

void CheckLabel(QLabel* label, QStringList& problems) {
    if (label->text().isEmpty() || label->textFormat() == Qt::RichText)
        return;
    const QRect contents = label->contentsRect();
    const int flags = Qt::TextShowMnemonic | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QSize needed = label->fontMetrics()
                             .boundingRect(contents, flags | label->alignment(), label->text())
                             .size();
    if (!Fits(needed, contents.size()))
        problems << Clipped(label, label->text(), needed, contents.size());
}

void CheckGroupBox(QGroupBox* box, QStringList& problems) {
    const QSize needed(box->fontMetrics().horizontalAdvance(box->title()) + 16, 0);
    if (!Fits(needed, box->size()))
        problems << Clipped(box, box->title(), needed, box->size());
}

} // namespace

QStringList LayoutProblems(QWidget* window) {
    QStringList problems;
    const QString family = QString::fromLatin1(LookFontFamily());
    if (!family.isEmpty() && QFontInfo(QApplication::font()).family() != family)
        problems << QStringLiteral("font \"%1\" is not installed (got \"%2\")")
                        .arg(family, QFontInfo(QApplication::font()).family());

    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || widget->isWindow())
            continue;
        QWidget* parent = widget->parentWidget();
        // Pages of a tab widget are laid out by it; scroll areas move their
        // contents on purpose.
        if (parent && !qobject_cast<QTabWidget*>(parent->parentWidget()) &&
            parent->objectName() != QLatin1String("qt_scrollarea_viewport") &&
            !parent->rect().contains(widget->geometry()))
            problems << widget->objectName() + " lies outside " + parent->objectName();
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            CheckButton(button, problems);
        else if (auto* label = qobject_cast<QLabel*>(widget))
            CheckLabel(label, problems);
        else if (auto* box = qobject_cast<QGroupBox*>(widget))
            CheckGroupBox(box, problems);
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
