// Measures Corvale's window in child processes, interleaved over several
// repetitions: the start-up to the first paint (with empty lists against the
// main window's form shown alone in the same look, that form against a bare
// main window, and large lists against empty ones), and the exit after a run
// that changed nothing: the time from closing the window to the process being
// gone, and the file syncs it performs (counted with strace). Children use
// the display there is (run it under xvfb-run), else the offscreen platform.
// Usage: corvale_window_benchmark [records] [repetitions]
#include "app/Launcher.h"
#include "app/Translations.h"
#include "app/ui/Main.h"
#include "app/ui/frmCorvale.h"
#include "common/Names.h"
#include "game/Quake2.h"
#include "ui_frmCorvale.h"
#include "widgets/Look.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <tuple>
#include <vector>

namespace {

qint64 NowMicroseconds() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// Tells the parent when the first main window is first painted, then closes
// that window.
class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QMainWindow*>(watched);
        if (event->type() == QEvent::Paint && window && !mSeen) {
            mSeen = true;
            std::printf("painted %lld\n", NowMicroseconds());
            QTimer::singleShot(0, window, [window] {
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("maxrss %ld\n", usage.ru_maxrss);
                std::printf("close %lld\n", NowMicroseconds());
                std::fflush(stdout);
                window->close();
            });
        }
        return false;
    }

private:
    bool mSeen = false;
};

enum class Child { Program, Form, Bare };

// The child: Corvale as a user runs it; or what it is compared with in the
// same look: the main window's form alone, or a bare main window with a menu
// bar and a label.
int RunChild(int argc, char* argv[], Child child) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(kProgramName);
    QApplication::setOrganizationName(kProgramName);
    FirstPaint firstPaint;
    application.installEventFilter(&firstPaint);
    if (child == Child::Program) {
        InstallTranslations(application);
        return Main(application);
    }
    ApplyLook(application);
    QMainWindow window;
    Ui::frmCorvale form;
    if (child == Child::Form) {
        form.setupUi(&window);
    } else {
        window.menuBar()->addMenu(QStringLiteral("&File"));
        window.setCentralWidget(new QLabel(QStringLiteral("Ready")));
        window.resize(514, 511);
    }
    window.show();
    return application.exec();
}

const char* const kChildOptions[] = {"--run", "--form", "--bare"};

// A folder with settings and three record files of records entries each.
struct Setup {
    QTemporaryDir dir;
    explicit Setup(int records) {
        QDir(dir.path()).mkpath(QStringLiteral("work"));
        Quake2 game;
        Launcher launcher(game);
        launcher.SetFiles({dir.filePath(QStringLiteral("work/cvclients.dat")),
                           dir.filePath(QStringLiteral("work/cvservers.dat")),
                           dir.filePath(QStringLiteral("work/cvremotes.dat"))});
        for (int i = 0; i < records; ++i) {
            launcher.Clients().push_back(
                {QStringLiteral("Player %1").arg(i), QStringLiteral("player%1.cfg").arg(i)});
            ServerConfig server;
            server.ID = QStringLiteral("Server %1").arg(i);
            launcher.Servers().push_back(server);
            launcher.RemoteServers().push_back(
                {QStringLiteral("127.0.%1.%2:27910").arg(i / 256).arg(i % 256)});
        }
        if (!launcher.SaveCollections())
            qFatal("could not write the record files");
        QSettings settings(SettingsFile(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Settings/ClientFile"), launcher.Files().clients);
        settings.setValue(QStringLiteral("Settings/ServerFile"), launcher.Files().servers);
        settings.setValue(QStringLiteral("Settings/RemoteServerFile"),
                          launcher.Files().remoteServers);
    }
    QString SettingsFolder() const { return dir.filePath(QStringLiteral("config/Corvale")); }
    QString SettingsFile() const { return SettingsFolder() + QStringLiteral("/Corvale.conf"); }
};

struct Run {
    double startup = 0;      // from starting the process to the first paint
    double milliseconds = 0; // from the close to the process being gone
    double peakMiB = 0;      // peak resident memory up to the close
    int runSyncs = 0;        // over the whole run
    int syncs = 0;           // from the close on
    int settingsSyncs = 0;   // of those, in the settings folder
};

// Runs one copy to its end; with strace, counts the syncs of its exit.
Run RunOnce(const Setup& setup, bool traced, Child child = Child::Program) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       setup.dir.filePath(QStringLiteral("config")));
    if (!environment.contains(QStringLiteral("DISPLAY")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString log = setup.dir.filePath(QStringLiteral("strace.log"));
    QStringList arguments{QString::fromLatin1(kChildOptions[int(child)])};
    QString program = QCoreApplication::applicationFilePath();
    if (traced) {
        arguments.prepend(program);
        arguments = QStringList{QStringLiteral("-f"),
                                QStringLiteral("-ttt"),
                                QStringLiteral("-y"),
                                QStringLiteral("-e"),
                                QStringLiteral("trace=fsync,fdatasync,sync_file_range,syncfs,sync"),
                                QStringLiteral("-o"),
                                log} +
                    arguments;
        program = QStringLiteral("strace");
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(setup.dir.filePath(QStringLiteral("work")));
    const qint64 start = NowMicroseconds();
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        qFatal("the run failed: %s", process.readAllStandardError().constData());
    const qint64 end = NowMicroseconds();
    const QByteArray output = process.readAllStandardOutput();
    const auto stamp = [&output](const char* what) {
        const qsizetype at = output.indexOf(what) + qstrlen(what);
        return output.mid(at, output.indexOf('\n', at) - at).trimmed().toLongLong();
    };
    const qint64 closed = stamp("close ");
    Run exit;
    exit.startup = (stamp("painted ") - start) / 1000.0;
    exit.milliseconds = (end - closed) / 1000.0;
    exit.peakMiB = stamp("maxrss ") / 1024.0;
    if (traced) {
        QFile file(log);
        file.open(QIODevice::ReadOnly);
        for (const QByteArray& line : file.readAll().split('\n')) {
            // "pid seconds.micro fdatasync(5</path>) = 0"
            const QList<QByteArray> fields = line.split(' ');
            if (fields.size() < 3 || fields[2].startsWith("+++") || fields[2].startsWith("---") ||
                line.contains("resumed>"))
                continue;
            ++exit.runSyncs;
            if (qint64(fields[1].toDouble() * 1e6) < closed)
                continue;
            ++exit.syncs;
            if (line.contains(setup.SettingsFolder().toUtf8()))
                ++exit.settingsSyncs;
        }
    }
    return exit;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    for (const Child child : {Child::Program, Child::Form, Child::Bare}) {
        if (argc > 1 && qstrcmp(argv[1], kChildOptions[int(child)]) == 0)
            return RunChild(argc, argv, child);
    }
    QCoreApplication application(argc, argv);
    const int records = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int repetitions = argc > 2 ? std::atoi(argv[2]) : 7;
    const bool strace = !QStandardPaths::findExecutable(QStringLiteral("strace")).isEmpty();

    Setup empty(0), large(records);
    // A first run writes every setting; the runs measured then change nothing.
    RunOnce(empty, false);
    RunOnce(large, false);
    std::vector<double> emptyTimes, largeTimes, bareStarts, formStarts, emptyStarts, largeStarts;
    double emptyPeak = 0, largePeak = 0;
    for (int run = 0; run < repetitions; ++run) {
        bareStarts.push_back(RunOnce(empty, false, Child::Bare).startup);
        formStarts.push_back(RunOnce(empty, false, Child::Form).startup);
        const Run emptyRun = RunOnce(empty, false);
        const Run largeRun = RunOnce(large, false);
        emptyTimes.push_back(emptyRun.milliseconds);
        largeTimes.push_back(largeRun.milliseconds);
        emptyStarts.push_back(emptyRun.startup);
        emptyPeak = std::max(emptyPeak, emptyRun.peakMiB);
        largePeak = std::max(largePeak, largeRun.peakMiB);
        largeStarts.push_back(largeRun.startup);
    }
    const auto min = [](const std::vector<double>& values) {
        return *std::min_element(values.begin(), values.end());
    };
    std::printf("start-up to the first paint, %d repetitions, interleaved\n", repetitions);
    std::printf("  bare main window min %7.2f ms  median %7.2f ms\n", min(bareStarts),
                Median(bareStarts));
    std::printf("  form alone       min %7.2f ms  median %7.2f ms  ratio to bare: min %.2f"
                "  median %.2f\n",
                min(formStarts), Median(formStarts), min(formStarts) / min(bareStarts),
                Median(formStarts) / Median(bareStarts));
    std::printf("  empty lists      min %7.2f ms  median %7.2f ms  ratio to the form alone: "
                "min %.2f  median %.2f (goal <= 1.10)\n",
                min(emptyStarts), Median(emptyStarts), min(emptyStarts) / min(formStarts),
                Median(emptyStarts) / Median(formStarts));
    std::printf("  large lists      min %7.2f ms  median %7.2f ms  ratio to empty: min %.2f"
                "  median %.2f (goal <= 1.5)\n",
                min(largeStarts), Median(largeStarts), min(largeStarts) / min(emptyStarts),
                Median(largeStarts) / Median(emptyStarts));
    std::printf("peak resident memory: empty lists %.1f MiB, large lists %.1f MiB (+%.1f MiB)\n\n",
                emptyPeak, largePeak, largePeak - emptyPeak);
    std::printf("exit after a run that changed nothing; large lists: %d entries each; %d "
                "repetitions, interleaved\n",
                records, repetitions);
    for (const auto& [name, setup, times] : {std::tuple{"empty lists", &empty, &emptyTimes},
                                             std::tuple{"large lists", &large, &largeTimes}}) {
        std::printf("  %-16s min %7.2f ms  median %7.2f ms", name,
                    *std::min_element(times->begin(), times->end()), Median(*times));
        if (strace) {
            const Run traced = RunOnce(*setup, true);
            std::printf("  exit syncs %d (goal <= 4), in the settings folder %d (goal <= 2);"
                        " whole run %d",
                        traced.syncs, traced.settingsSyncs, traced.runSyncs);
        }
        std::printf("\n");
    }
    std::printf("  ratio large/empty: min %.2f  median %.2f (goal <= 2)\n",
                *std::min_element(largeTimes.begin(), largeTimes.end()) /
                    *std::min_element(emptyTimes.begin(), emptyTimes.end()),
                Median(largeTimes) / Median(emptyTimes));
    if (!strace)
        std::printf("  (strace not found: syncs not counted)\n");
    return 0;
}
