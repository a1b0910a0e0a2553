#include "widgets/PictureButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void PictureButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const int textHeight = fontMetrics().height();
    const int gap = 2;
    const int top =
        contents.top() + (contents.height() - iconSize().height() - gap - textHeight) / 2;
    const QRect iconArea(contents.left(), top, contents.width(), iconSize().height());
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    icon().paint(&painter, iconArea, Qt::AlignCenter, mode);

    const QRect textArea(contents.left(), iconArea.bottom() + 1 + gap, contents.width(),
                         textHeight);
    painter.drawItemText(textArea, Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic,
                         palette(), isEnabled(), text(), QPalette::ButtonText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = contents;
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
