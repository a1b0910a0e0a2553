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
#include <QStringList>

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
            mainForm.EndSession();
            QCoreApplication::exit(0);
        });
        exitCode = application.exec();
        gMainForm = nullptr;
    }
    gQuake2 = nullptr;
    return exitCode;
}

QString DisplayProblem(const QStringList& arguments) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(variable))
            return QString();
    }
    // Qt takes its options with one dash or two.
    for (const QString& argument : arguments.mid(1)) {
        for (const char* option : {"-platform", "--platform", "-display", "--display"}) {
            if (argument == QLatin1String(option))
                return QString();
        }
    }
    return QApplication::translate("Main",
                                   "%1: no display to show the window on (neither DISPLAY nor "
                                   "WAYLAND_DISPLAY is set); --status, --help and --version work "
                                   "without one.")
        .arg(QFileInfo(arguments.value(0)).fileName());
#else
    Q_UNUSED(arguments);
    return QString();
#endif
}
