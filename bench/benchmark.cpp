// Times loading and saving large record files and writing a launch script
// with a large random map pool, next to reading and writing the same bytes
// raw. Usage: corvale_benchmark [records]
#include "app/Launcher.h"
#include "game/Quake2.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

// Best of a few runs, in milliseconds.
double Time(const std::function<void()>& work) {
    double best = 1e300;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

double RawReadWrite(const QString& path) {
    QFile source(path);
    source.open(QIODevice::ReadOnly);
    const QByteArray bytes = source.readAll();
    return Time([&] {
        QFile in(path);
        in.open(QIODevice::ReadOnly);
        const QByteArray read = in.readAll();
        QFile out(path + ".raw");
        out.open(QIODevice::WriteOnly);
        out.write(read);
    });
}

void Report(const char* what, double corvale, double raw) {
    std::printf("%-34s %9.2f ms   raw I/O %7.2f ms   ratio %6.1f\n", what, corvale, raw,
                corvale / raw);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());

    Quake2 game;
    game.SetPath(dir.path());
    QDir(dir.path()).mkpath(QStringLiteral("baseq2"));
    Launcher launcher(game);
    launcher.mClientFile = dir.filePath(QStringLiteral("cvclients.dat"));
    launcher.mServerFile = dir.filePath(QStringLiteral("cvservers.dat"));
    launcher.mRemoteServerFile = dir.filePath(QStringLiteral("cvremotes.dat"));
    for (int i = 0; i < count; ++i) {
        UserProfile profile;
        profile.ID = QStringLiteral("Player %1").arg(i);
        profile.ConfigFile = QStringLiteral("player%1.cfg").arg(i);
        launcher.mClients.push_back(profile);
        ServerConfig server;
        server.ID = QStringLiteral("Server %1, the \"big\" one").arg(i);
        server.ExtraCommands = QStringLiteral("say welcome\r\nset sv_gravity %1").arg(i);
        launcher.mServers.push_back(server);
        ServerAddr remote;
        remote.ID = QStringLiteral("10.0.%1.%2:27910").arg(i / 256).arg(i % 256);
        launcher.mRemoteServers.push_back(remote);
    }

    std::printf("%d records of each kind\n", count);
    const double save = Time([&] { launcher.SaveCollections(); });
    const double load = Time([&] { launcher.LoadCollections(); });
    const double raw = RawReadWrite(launcher.mClientFile) + RawReadWrite(launcher.mServerFile) +
                       RawReadWrite(launcher.mRemoteServerFile);
    Report("save three record files", save, raw);
    Report("load three record files", load, raw);

    QFile mapList(dir.filePath(QStringLiteral("baseq2/pool.txt")));
    mapList.open(QIODevice::WriteOnly);
    for (int i = 0; i < count; ++i)
        mapList.write(QStringLiteral("map%1%2").arg(i).arg(i % 10 == 9 ? "\r\n" : ",").toUtf8());
    mapList.close();
    ServerConfig random;
    random.MapMode = ServerConfig::RandomMap;
    random.MapList = QStringLiteral("pool.txt");
    launcher.mServers = {random};
    const double script = Time([&] { (void)launcher.WriteLaunchConfig(-1, 0, random); });
    Report("launch script, random pool", script, RawReadWrite(mapList.fileName()));
    return 0;
}
