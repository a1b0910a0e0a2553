// Measures the launcher against the plain work it stands on, side by side in
// one run: each repetition times the launcher and then its baseline, so that
// a noisy machine slows both alike. Prints min and median of each and their
// ratio next to the goal.
//
// Usage: corvale_benchmark [records] [repetitions]
//        corvale_benchmark --profile load|save [records]   (one run, for callgrind)
#include "app/Launcher.h"
#include "game/Quake2.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

struct Timing {
    double min = 0;
    double median = 0;
};

Timing Summarize(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return {times.front(), times[times.size() / 2]};
}

double Milliseconds(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

// Times the launcher's work and its baseline alternately, after one untimed
// warm-up of each; prepare runs untimed before each run of the launcher's work.
void Compare(const char* what, const char* goal, double goalRatio, int repetitions,
             const std::function<void()>& prepare, const std::function<void()>& corvale,
             const std::function<void()>& baseline) {
    prepare();
    corvale();
    baseline();
    std::vector<double> corvaleTimes, baselineTimes;
    for (int run = 0; run < repetitions; ++run) {
        prepare();
        corvaleTimes.push_back(Milliseconds(corvale));
        baselineTimes.push_back(Milliseconds(baseline));
    }
    const Timing c = Summarize(corvaleTimes);
    const Timing b = Summarize(baselineTimes);
    const double ratio = c.min / b.min;
    std::printf("%s\n  Corvale  min %8.2f ms  median %8.2f ms\n"
                "  baseline min %8.2f ms  median %8.2f ms\n"
                "  ratio    min %8.2f     median %8.2f     goal %s  %s\n",
                what, c.min, c.median, b.min, b.median, ratio, c.median / b.median, goal,
                goalRatio <= 0       ? ""
                : ratio <= goalRatio ? "met"
                                     : "MISSED");
}

QByteArray ReadRaw(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// What a safe save must do at the least: a new file beside the old one,
// written, synced and renamed over it.
void WriteRaw(const QString& path, const QByteArray& bytes) {
    const QByteArray target = QFile::encodeName(path);
    const QByteArray temporary = target + ".new";
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    const bool written = ::write(fd, bytes.constData(), bytes.size()) == bytes.size();
    const bool synced = ::fdatasync(fd) == 0;
    ::close(fd);
    if (written && synced)
        ::rename(temporary.constData(), target.constData());
}

// A line of /proc/self/status in KiB ("VmRSS", "VmHWM").
long StatusKibibytes(const char* key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key) + 1).trimmed().split(' ').value(0).toLong();
    return 0;
}

void Fill(Launcher& launcher, int count) {
    launcher.Clients().reserve(count);
    launcher.Servers().reserve(count);
    launcher.RemoteServers().reserve(count);
    for (int i = 0; i < count; ++i) {
        launcher.Clients().push_back(
            {QStringLiteral("Player %1").arg(i), QStringLiteral("player%1.cfg").arg(i)});
        ServerConfig server;
        server.ID = QStringLiteral("Server %1, the \"big\" one").arg(i);
        server.Game = QStringLiteral("ctf");
        server.ServerName = QStringLiteral("Grüße aus Köln %1").arg(i);
        server.FragLimit = qint16(i % 100);
        server.DmFlags = 16 + i;
        server.MapMode = ServerConfig::SpecificMap;
        server.MapName = QStringLiteral("q2dm%1").arg(i % 8 + 1);
        server.ExtraCommands = QStringLiteral("say \"welcome\"\r\nset sv_gravity %1").arg(i);
        launcher.Servers().push_back(server);
        launcher.RemoteServers().push_back({QStringLiteral("127.0.0.1:%1").arg(20000 + i)});
    }
}

QStringList RecordFiles(const Launcher& launcher) {
    return {launcher.Files().clients, launcher.Files().servers, launcher.Files().remoteServers};
}

// How far loading the files raises the peak memory of a fresh process.
int ReportLoadPeak(Launcher& launcher) {
    // Writing 5 to clear_refs restarts the peak at the present size.
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
    clear.close();
    const long before = StatusKibibytes("VmRSS");
    (void)launcher.LoadCollections();
    std::printf("  peak RSS while loading %zu records: +%ld KiB\n\n",
                launcher.Clients().size() + launcher.Servers().size() +
                    launcher.RemoteServers().size(),
                StatusKibibytes("VmHWM") - before);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const bool profile = arguments.value(1) == QLatin1String("--profile");
    const bool loadPeak = arguments.value(1) == QLatin1String("--load-peak");
    const int count = arguments.value(profile ? 3 : 1, QStringLiteral("10000")).toInt();
    const int repetitions = std::max(1, arguments.value(2, QStringLiteral("9")).toInt());

    QTemporaryDir dir;
    const QString folder = loadPeak ? arguments.value(2) : dir.path();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    Quake2 game;
    Launcher launcher(game);
    launcher.SetFiles({QDir(folder).filePath(QStringLiteral("cvclients.dat")),
                       QDir(folder).filePath(QStringLiteral("cvservers.dat")),
                       QDir(folder).filePath(QStringLiteral("cvremotes.dat"))});
    if (loadPeak)
        return ReportLoadPeak(launcher);

    Fill(launcher, count);
    (void)launcher.SaveCollections();
    if (profile) {
        if (arguments.value(2) == QLatin1String("load"))
            (void)launcher.LoadCollections();
        else
            (void)launcher.SaveCollections();
        return 0;
    }

    std::vector<QByteArray> bytes;
    qint64 total = 0;
    for (const QString& path : RecordFiles(launcher)) {
        bytes.push_back(ReadRaw(path));
        total += bytes.back().size();
    }
    std::printf("%d records of each kind, %.2f MB in three files, %d repetitions\n\n", count,
                total / 1e6, repetitions);

    Compare(
        "Load of 3 x 10,000 records vs a raw read of the same bytes", "<= 10x", 10, repetitions,
        [&] {
            // As at start-up: no records to drop first.
            launcher.Clients() = {};
            launcher.Servers() = {};
            launcher.RemoteServers() = {};
        },
        [&] { (void)launcher.LoadCollections(); },
        [&] {
            for (const QString& path : RecordFiles(launcher))
                ReadRaw(path);
        });
    std::fflush(stdout);
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(application.applicationFilePath(), {QStringLiteral("--load-peak"), folder});
    child.waitForFinished();

    // Each save has a changed first record in every list, so no file can be
    // skipped as unchanged.
    int generation = 0;
    Compare(
        "Save of the same vs raw write + fdatasync + rename of the same bytes", "<= 1.5x", 1.5,
        repetitions,
        [&] {
            const QString mark = QString::number(++generation);
            launcher.Clients().front().ID = mark;
            launcher.Servers().front().ID = mark;
            launcher.RemoteServers().front().ID = mark;
        },
        [&] { (void)launcher.SaveCollections(); },
        [&] {
            const QStringList paths = RecordFiles(launcher);
            for (int file = 0; file < paths.size(); ++file)
                WriteRaw(paths[file], bytes[file]);
        });
    return 0;
}
