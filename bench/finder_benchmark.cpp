// A search over 1,000 local game servers behind one local master, 100 of
// them silent: `corvale --browse --json` against `quakestat -q2m` on the same
// field (goal: at most 0.75 of quakestat's time, every server listed); then
// the Find Servers window's refresh over that field: the longest gap between
// 10 ms timer ticks (goal: at most 50 ms) and the memory per server.
#include "finder/FinderSettings.h"
#include "finder/ui/frmServerFinder.h"
#include "support/FakeGameServers.h"
#include "support/FakeMasters.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {

constexpr int kServers = 1000;
constexpr int kSilentEvery = 10;

struct Run {
    qint64 ms = 0;
    QByteArray out;
};

// Runs a program to its end while this thread's event loop serves the master.
Run Time(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    process.start();
    loop.exec();
    return {timer.elapsed(), process.readAllStandardOutput()};
}

qint64 ResidentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

void TimeWindow() {
    frmServerFinder window;
    window.resize(900, 600);
    window.show();
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    QTimer ticks;
    ticks.setTimerType(Qt::PreciseTimer);
    ticks.setInterval(10);
    ticks.callOnTimeout([&] { longestGap = std::max(longestGap, sinceTick.restart()); });
    const qint64 before = ResidentBytes();
    QEventLoop loop;
    QObject::connect(&window.Finder(), &ServerFinder::Finished, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    sinceTick.start();
    ticks.start();
    window.Refresh();
    loop.exec();
    const qint64 elapsed = timer.elapsed();
    std::printf("window refresh, %d servers       %5lld ms  longest tick gap %lld ms  goal <= 50 "
                "ms: %s\n",
                kServers, static_cast<long long>(elapsed), static_cast<long long>(longestGap),
                longestGap <= 50 ? "met" : "MISSED");
    std::printf("memory per server in the window  %.1f KiB\n",
                (ResidentBytes() - before) / 1024.0 / kServers);
}

} // namespace

int main(int argc, char* argv[]) {
    // Settings of its own, so the window asks the local master alone.
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication application(argc, argv);

    FakeGameServers servers;
    const QByteArray reply = GameReply("\\hostname\\Bench\\mapname\\q2dm1\\maxclients\\16\n"
                                       "3 40 \"Al\"\n5 60 \"Bob\"\n");
    QStringList addresses;
    for (int server = 0; server < kServers; ++server)
        addresses << QStringLiteral("127.0.0.1:%1")
                         .arg(servers.Add(server % kSilentEvery == 0 ? QByteArray() : reply));
    FakeUdpMaster master;
    master.SetReply({MasterReply(addresses)});

    const Run corvale = Time(QStringLiteral(CORVALE_PROGRAM),
                             {QStringLiteral("--browse"), QStringLiteral("--master"),
                              master.Address(), QStringLiteral("--json")});
    const qsizetype listed = QJsonDocument::fromJson(corvale.out).array().size();
    std::printf("corvale --browse --json          %5lld ms  %lld servers listed\n",
                static_cast<long long>(corvale.ms), static_cast<long long>(listed));
    const QString qstat = QStandardPaths::findExecutable(QStringLiteral("quakestat"));
    if (qstat.isEmpty()) {
        std::printf("quakestat not installed: no comparison\n");
    } else {
        const Run other = Time(qstat, {QStringLiteral("-q2m"), master.Address(),
                                       QStringLiteral("-maxsim"), QStringLiteral("64")});
        const double ratio = double(corvale.ms) / std::max<qint64>(1, other.ms);
        std::printf("quakestat -q2m -maxsim 64        %5lld ms  %lld lines\n",
                    static_cast<long long>(other.ms),
                    static_cast<long long>(other.out.count('\n')));
        std::printf("ratio %.2f  goal <= 0.75 and all %d listed: %s\n", ratio, kServers,
                    ratio <= 0.75 && listed == kServers ? "met" : "MISSED");
    }

    if (!StoreMasters({master.Address()}))
        std::printf("could not store the master for the window\n");
    TimeWindow();
    return 0;
}
