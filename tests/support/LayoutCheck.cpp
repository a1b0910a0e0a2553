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

QString Describe(const QWidget* widget) {
    return QStringLiteral("%1 (%2)").arg(widget->objectName(),
                                         QString::fromLatin1(widget->metaObject()->className()));
}

void CheckButton(QAbstractButton* button, QStringList& problems) {
    if (button->text().isEmpty())
        return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (qobject_cast<QCheckBox*>(button))
        element = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<QRadioButton*>(button))
        element = QStyle::SE_RadioButtonContents;
    else if (!qobject_cast<QPushButton*>(button))
        return;
    const QRect contents = button->style()->subElementRect(element, &option, button);
    QSize needed = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    if (!button->icon().isNull() && element == QStyle::SE_PushButtonContents)
        needed.setHeight(needed.height() + button->iconSize().height());
    if (needed.width() > contents.width() || needed.height() > contents.height())
        problems << QStringLiteral("%1: caption \"%2\" needs %3x%4, has %5x%6")
                        .arg(Describe(button), button->text())
                        .arg(needed.width())
                        .arg(needed.height())
                        .arg(contents.width())
                        .arg(contents.height());
}

void CheckLabel(QLabel* label, QStringList& problems) {
    if (label->text().isEmpty() || label->textFormat() == Qt::RichText)
        return;
    const QRect contents = label->contentsRect();
    const int flags = Qt::TextShowMnemonic | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed =
        label->fontMetrics().boundingRect(contents, flags | label->alignment(), label->text());
    if (needed.width() > contents.width() || needed.height() > contents.height())
        problems << QStringLiteral("%1: text \"%2\" needs %3x%4, has %5x%6")
                        .arg(Describe(label), label->text())
                        .arg(needed.width())
                        .arg(needed.height())
                        .arg(contents.width())
                        .arg(contents.height());
}

void CheckGroupBox(QGroupBox* box, QStringList& problems) {
    const int needed = box->fontMetrics().horizontalAdvance(box->title()) + 16;
    if (needed > box->width())
        problems << QStringLiteral("%1: title \"%2\" is wider than the frame")
                        .arg(Describe(box), box->title());
}

} // namespace

QStringList LayoutProblems(QWidget* window) {
    QStringList problems;
    const QString family = QString::fromLatin1(LookFontFamily());
    if (!family.isEmpty() && QFontInfo(QApplication::font()).family() != family)
        problems << QStringLiteral("font \"%1\" is not installed (got \"%2\")")
                        .arg(family, QFontInfo(QApplication::font()).family());

    const QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (!widget->isVisibleTo(window) || widget->isWindow())
            continue;
        QWidget* parent = widget->parentWidget();
        // Pages of a tab widget are laid out by it; scroll areas move their
        // contents on purpose.
        if (parent && !qobject_cast<QTabWidget*>(parent->parentWidget()) &&
            parent->objectName() != QLatin1String("qt_scrollarea_viewport") &&
            !parent->rect().contains(widget->geometry()))
            problems
                << QStringLiteral("%1 lies outside %2").arg(Describe(widget), Describe(parent));
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            CheckButton(button, problems);
        else if (auto* label = qobject_cast<QLabel*>(widget))
            CheckLabel(label, problems);
        else if (auto* box = qobject_cast<QGroupBox*>(widget))
            CheckGroupBox(box, problems);
    }
    return problems;
}
