#include "widgets/Look.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>

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
