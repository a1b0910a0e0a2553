#include "app/CommandLineOptions.h"
#include "game/Quake2.h"
#include "prefs/Options.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class StartupTest : public QObject {
    Q_OBJECT
private:
    TemporarySettings mSettings;

private Q_SLOTS:
    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("request");
        QTest::addColumn<int>("exitStatus");
        QTest::addColumn<QString>("replyHolds");
        using R = CommandLineOptions::Request;
        const auto row = [](const char* tag, QStringList arguments, R request, int status,
                            QString holds) {
            QTest::newRow(tag) << (QStringList{"corvale"} + arguments) << int(request) << status
                               << holds;
        };
        row("none", {}, R::Window, 0, "");
        row("Qt's options", {"-platform", "offscreen", "--style=Fusion", "-reverse"}, R::Window, 0,
            "");
        row("help", {"--help"}, R::Help, 0, "--version");
        row("short help", {"-h"}, R::Help, 0, "--help");
        row("version", {"--version"}, R::Version, 0, " 1.2.3\n");
        row("short version", {"-v"}, R::Version, 0, " 1.2.3\n");
        row("unknown option", {"--bogus"}, R::UsageError, 2, "'bogus'");
        row("unknown beside help", {"--help", "-x"}, R::UsageError, 2, "'x'");
        row("argument", {"stray"}, R::UsageError, 2, "'stray'");
        row("missing value", {"-platform"}, R::UsageError, 2, "'-platform'");
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, replyHolds);
        QCoreApplication::setApplicationVersion(QStringLiteral("1.2.3"));
        const CommandLineOptions options(arguments);
        QTEST(int(options.Requested()), "request");
        const CommandLineOptions::Reply reply = options.Answer();
        QTEST(reply.exitStatus, "exitStatus");
        QCOMPARE(reply.toStandardError, reply.exitStatus != 0);
        QVERIFY2(reply.text.contains(replyHolds), qPrintable(reply.text));
        // A usage error also shows the usage.
        QCOMPARE(reply.text.contains("--help"),
                 options.Requested() != CommandLineOptions::Request::Version &&
                     options.Requested() != CommandLineOptions::Request::Window);
    }

    // The first run takes the game from the first usual folder holding
    // "baseq2", and its program from that folder or else from PATH. In the
    // tree, "home/" is HOME, "bin/" is PATH; a name ending in "/" is a
    // folder, one ending in "*" an executable file.
    void firstRunFindsTheGame_data() {
        QTest::addColumn<QStringList>("tree");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("executable");
        const auto row = [](const char* tag, QStringList tree, QString path, QString executable) {
            QTest::newRow(tag) << tree << path << executable;
        };
        const QString steam = "home/.local/share/Steam/steamapps/common/Quake 2/";
        const QString steamLink = "home/.steam/steam/steamapps/common/Quake 2/";
        row("nothing installed", {}, "home/quake2/", "quake2");
        row("own copy first", {"home/quake2/baseq2/", steam + "baseq2/"}, "home/quake2/", "quake2");
        row("folder without baseq2", {"home/quake2/", steam + "baseq2/"}, steam, "quake2");
        row("second Steam library", {steamLink + "baseq2/"}, steamLink, "quake2");
        row("program in the folder",
            {"home/quake2/baseq2/", "home/quake2/q2pro*", "home/quake2/yquake2*", "bin/quake2*"},
            "home/quake2/", "yquake2");
        row("program on PATH", {"home/quake2/baseq2/", "bin/q2pro*", "bin/yquake2*"},
            "home/quake2/", "bin/yquake2");
        row("not executable", {"home/quake2/baseq2/", "home/quake2/quake2", "bin/q2pro*"},
            "home/quake2/", "bin/q2pro");
    }
    void firstRunFindsTheGame() {
        QFETCH(QStringList, tree);
        QFETCH(QString, path);
        QFETCH(QString, executable);
        if (QFileInfo::exists("/usr/share/games/quake2/baseq2")) {
            QSKIP("The game is installed on this machine and would be found first.");
        }
        QTemporaryDir root;
        const QString at = root.path() + '/';
        for (const QString& entry : tree) {
            QDir().mkpath(QFileInfo(at + entry).path());
            if (entry.endsWith('*')) {
                QFile file(at + entry.chopped(1));
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
            } else if (!entry.endsWith('/')) {
                QVERIFY(QFile(at + entry).open(QIODevice::WriteOnly));
            }
        }
        QDir().mkpath(at + "bin");
        const QByteArray home = qgetenv("HOME"), searchPath = qgetenv("PATH");
        qputenv("HOME", QFile::encodeName(at + "home"));
        qputenv("PATH", QFile::encodeName(at + "bin"));
        Quake2 game;
        Options options(game);
        qputenv("HOME", home);
        qputenv("PATH", searchPath);
        QCOMPARE(game.Path(), at + path);
        QCOMPARE(game.Executable(), executable.contains('/') ? at + executable : executable);
    }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "tst_startup.moc"
