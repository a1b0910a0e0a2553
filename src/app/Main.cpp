#include "app/Main.h"

#include "app/frmCorvale.h"
#include "game/Quake2.h"
#include "platform/Look.h"

#include <QApplication>

int Main(QApplication& application) {
    ApplyLook(application);
    Quake2 game;
    gQuake2 = &game;
    int exitCode = 0;
    {
        frmCorvale mainForm(game);
        gMainForm = &mainForm;
        mainForm.Load();
        mainForm.show();
        exitCode = application.exec();
        gMainForm = nullptr;
    }
    gQuake2 = nullptr;
    return exitCode;
}
