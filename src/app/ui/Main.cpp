#include "app/ui/Main.h"

#include "app/SingleInstance.h"
#include "app/ui/SessionEnd.h"
#include "app/ui/frmCorvale.h"
#include "game/Quake2.h"
#include "platform/SettingsStore.h"
#include "widgets/Look.h"
#include "widgets/Prompts.h"

#include <QApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// The user's own folder for the single-instance socket. Windows names pipes,
// not files; a pipe gets access for this user only instead.
QString RuntimeFolder() {
#ifdef Q_OS_UNIX
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#else
    return QString();
#endif
}

} // namespace

int Main(QApplication& application, StartMode mode) {
    ApplyLook(application);
    // Listening starts before the slower work, so that a copy started at the
    // same moment is answered.
    SingleInstance instance(QFileInfo(SettingsStore::FileName()).absolutePath(), RuntimeFolder());
    if (!instance.Usable()) {
        Prompts::Message(nullptr, instance.Usable().Error(), Prompts::Icon::Warning);
        return 1;
    }
    if (!instance.IsFirst()) {
        if (mode == StartMode::Window && instance.BringRunningCopyForward())
            return 0;
        Prompts::Message(nullptr, SingleInstance::AlreadyRunning(), Prompts::Icon::Warning);
        return 1;
    }
    Quake2 game;
    gQuake2 = &game;
    int exitCode = 0;
    {
        frmCorvale mainForm(game);
        gMainForm = &mainForm;
        // A request may come while the window loads (a warning there runs the
        // event loop): the window comes forward once shown.
        bool forwardPending = false;
        QObject::connect(&instance, &SingleInstance::forwardRequested, &mainForm, [&] {
            if (mainForm.isVisible())
                mainForm.BringForward();
            else
                forwardPending = true;
        });
        mainForm.Load();
        if (mode == StartMode::LaunchOnly) {
            gMainForm = nullptr;
            gQuake2 = nullptr;
            return mainForm.LaunchGame() ? 0 : 1;
        }
        mainForm.show();
        if (forwardPending)
            mainForm.BringForward();
        // A logout, shutdown or kill saves as a normal close does, then ends
        // the run, also from inside a dialog.
        SessionEnd sessionEnd(application);
        QObject::connect(&sessionEnd, &SessionEnd::endRequested, &mainForm, [&mainForm] {
            mainForm.close();
            QCoreApplication::exit(0);
        });
        exitCode = application.exec();
        gMainForm = nullptr;
    }
    gQuake2 = nullptr;
    return exitCode;
}
