// Times a launch from the main window (Enter → the game program running)
// next to a plain window that starts the same program with posix_spawn on
// Enter, interleaved, and prints the ratio with its goal.
// Usage: corvale_launch_benchmark [repetitions]
#include "app/Launcher.h"
#include "app/ui/frmCorvale.h"
#include "common/Names.h"
#include "game/Quake2.h"
#include "widgets/Look.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QShortcut>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

// The baseline: a window that only starts the program on Enter.
class PlainWindow : public QLabel {
public:
    PlainWindow(const QString& program, const QString& directory)
        : mProgram(QFile::encodeName(program)), mDirectory(QFile::encodeName(directory)) {
        setText(QStringLiteral("Plain window"));
        auto* shortcut = new QShortcut(QKeySequence(Qt::Key_Return), this);
        connect(shortcut, &QShortcut::activated, this, [this] { Start(); });
    }
    pid_t mStarted = 0;

private:
    void Start() {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addchdir_np(&actions, mDirectory.constData());
        char* argv[] = {mProgram.data(), nullptr};
        if (posix_spawn(&mStarted, mProgram.constData(), &actions, nullptr, argv, environ) != 0)
            mStarted = 0;
        posix_spawn_file_actions_destroy(&actions);
    }
    QByteArray mProgram;
    QByteArray mDirectory;
};

// Each step starts once the programs started before have ended (they end at
// once), so no step shares the processor with the previous one's program.
void Settle() {
    QTest::qWait(5);
}

// Milliseconds from Enter in the active window until its handler returned.
double TimeEnter(QWidget* window) {
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        std::fprintf(stderr, "the window did not become active\n");
    Settle();
    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(window, Qt::Key_Return);
    return timer.nsecsElapsed() / 1e6;
}

struct Figures {
    double min;
    double median;
};

Figures Summarize(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return {times.front(), times[times.size() / 2]};
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ApplyLook(application);
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;

    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    const QString install = dir.path() + QStringLiteral("/quake2/");
    QDir().mkpath(install + QStringLiteral("baseq2"));
    // The game stands in as a program that ends at once: running means started.
    QFile::copy(QStringLiteral("/bin/true"), install + QStringLiteral("quake2"));
    {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kProgramName,
                           kProgramName);
        settings.setValue(QStringLiteral("Options/Path"), install);
        settings.setValue(QStringLiteral("Options/Executable"), QStringLiteral("quake2"));
        settings.setValue(QStringLiteral("Settings/LaunchType"), QStringLiteral("2"));
        for (const char* key : {"ClientFile", "ServerFile", "RemoteServerFile"})
            settings.setValue(QStringLiteral("Settings/") + QLatin1String(key),
                              dir.path() + u'/' + QLatin1String(key));
    }

    Quake2 game;
    frmCorvale window(game);
    window.Load();
    window.show();
    PlainWindow plain(install + QStringLiteral("quake2"), install);
    plain.show();
    if (!QTest::qWaitForWindowExposed(&window) || !QTest::qWaitForWindowExposed(&plain))
        return 1;

    std::vector<double> launcher;
    std::vector<double> baseline;
    std::vector<double> script;
    std::vector<double> start;
    ServerConfig defaultServer;
    for (int run = 0; run < repetitions; ++run) {
        launcher.push_back(TimeEnter(&window));
        baseline.push_back(TimeEnter(&plain));
        // The two steps of a launch on their own.
        Settle();
        QElapsedTimer timer;
        timer.start();
        const Result<LaunchPlan> plan = window.State().Plan(-1, -1, defaultServer);
        const bool written = plan && Launcher::WriteLaunchConfig(*plan).Ok();
        script.push_back(timer.nsecsElapsed() / 1e6);
        Settle();
        timer.restart();
        const bool started = written && Quake2::Launch(*plan).Ok();
        start.push_back(timer.nsecsElapsed() / 1e6);
        if (!written || !started) {
            std::fprintf(stderr, "a launch did not start\n");
            return 1;
        }
        if (plain.mStarted == 0 || !QFile::exists(install + QStringLiteral("baseq2/Corvale.cfg"))) {
            std::fprintf(stderr, "a launch did not start\n");
            return 1;
        }
        waitpid(plain.mStarted, nullptr, 0);
        plain.mStarted = 0;
    }
    const Figures ours = Summarize(launcher);
    const Figures plainFigures = Summarize(baseline);
    std::printf("%-36s min %7.3f ms  median %7.3f ms\n", "launch from the main window", ours.min,
                ours.median);
    std::printf("%-36s min %7.3f ms  median %7.3f ms\n", "plain window, posix_spawn",
                plainFigures.min, plainFigures.median);
    const Figures scriptFigures = Summarize(script);
    const Figures startFigures = Summarize(start);
    std::printf("%-36s min %7.3f ms  median %7.3f ms\n", "  of which: script written",
                scriptFigures.min, scriptFigures.median);
    std::printf("%-36s min %7.3f ms  median %7.3f ms\n", "  of which: game started",
                startFigures.min, startFigures.median);
    std::printf("%-36s min %5.2fx  median %5.2fx  (goal <= 1.5x)\n", "ratio",
                ours.min / plainFigures.min, ours.median / plainFigures.median);
    window.close();
    return 0;
}
