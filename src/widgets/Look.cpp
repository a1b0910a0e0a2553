#include "widgets/Look.h"

#include <QApplication>
#include <QCheckBox>
#include <QFont>
#include <QIcon>
#include <QMouseEvent>
#include <QPointer>
#include <QRadioButton>
#include <QStyleFactory>

namespace {

// Lets option buttons and check boxes take a click anywhere in their box, not
// only on the dot and the caption: their boxes are laid out wider than their
// captions, and a click beside a caption would otherwise be lost. (The style
// cannot do it: a style sheet style keeps its own click area.) A press the
// button did not take and a release in the same box click it.
class WholeBoxClicks : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
            type != QEvent::MouseButtonRelease)
            return false;
        auto* box = qobject_cast<QAbstractButton*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!box || (!qobject_cast<QRadioButton*>(box) && !qobject_cast<QCheckBox*>(box)) ||
            mouse->button() != Qt::LeftButton || !box->rect().contains(mouse->position().toPoint()))
            return false;
        if (type != QEvent::MouseButtonRelease) {
            mPressed = box;
            return false;
        }
        // Down means the button took the press itself and ends the click.
        if (mPressed != box || box->isDown())
            return false;
        mPressed = nullptr;
        box->click();
        return true;
    }

private:
    QPointer<QAbstractButton> mPressed;
};

} // namespace

const char* LookFontFamily() {
#ifdef Q_OS_WIN
    return "";
#else
    return "Liberation Sans";
#endif
}

void ApplyLook(QApplication& application) {
    // The images are compiled into a static library; nothing else would make
    // the linker keep them.
    Q_INIT_RESOURCE(corvale);
    application.setWindowIcon(QIcon(QStringLiteral(":/corvale.png")));
    application.installEventFilter(new WholeBoxClicks(&application));
#ifndef Q_OS_WIN
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QString::fromLatin1(LookFontFamily()));
    font.setPixelSize(11);
    application.setFont(font);
    // Frames carry their caption on the top line, as the window layouts
    // expect: a control placed near a frame's top stays inside the line.
    application.setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 3px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
        " left: 6px; padding: 0 2px; }"));
#endif
}
