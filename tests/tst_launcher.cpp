#include "app/Launcher.h"
#include "game/Quake2.h"
#include "prefs/Options.h"
#include "prefs/RandomPicture.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

class LauncherTest : public QObject {
    Q_OBJECT
private:
    TemporarySettings mSettings;

    // A launcher on a fresh installation with a base game directory.
    struct Fixture {
        FakeInstallation install;
        Quake2 game;
        Launcher launcher{game};
        ServerConfig defaultServer;
        Fixture() {
            game.SetPath(install.Path());
            game.SetExecutable(QStringLiteral("quake2"));
            install.AddDirectory("baseq2");
        }
        QString Script() const { return QString::fromUtf8(FileBytes(launcher.LaunchConfigPath())); }
    };

private Q_SLOTS:
    void init() { mSettings.Clear(); }

    // An empty launch type or index is not stored at all.
    void storedSettingsAreReadAndWrittenBack_data() {
        QTest::addColumn<QString>("launchType");
        QTest::addColumn<QString>("clientIndex");
        QTest::addColumn<int>("readType");
        QTest::addColumn<QString>("launchTypeWritten");
        QTest::addColumn<QString>("clientIndexWritten");
        const auto row = [](const char* name, QString type, QString index, int readType,
                            QString typeWritten, QString indexWritten) {
            QTest::newRow(name) << type << index << readType << typeWritten << indexWritten;
        };
        row("first run", "", "", Launcher::ListenServer, "1", "-1");
        row("dedicated", "0", "3", Launcher::DedicatedServer, "0", "3");
        row("client only", "2", "1", Launcher::ClientOnly, "2", "1");
        row("out of range", "7", "2", Launcher::ListenServer, "1", "2");
        row("not numbers", "x", "two", Launcher::ListenServer, "1", "-1");
        row("16-bit overflow", "65538", "40000", Launcher::ListenServer, "1", "-1");
    }
    void storedSettingsAreReadAndWrittenBack() {
        QFETCH(QString, launchType);
        QFETCH(QString, clientIndex);
        if (!launchType.isEmpty()) {
            mSettings.SetRaw("Settings/LaunchType", launchType);
            mSettings.SetRaw("Settings/ClientIndex", clientIndex);
        }
        Quake2 game;
        Launcher launcher(game);
        QTEST(int(launcher.CurrentLaunchType()), "readType");
        launcher.WriteSettings();
        QTEST(mSettings.Raw("Settings/LaunchType"), "launchTypeWritten");
        QTEST(mSettings.Raw("Settings/ClientIndex"), "clientIndexWritten");
        QCOMPARE(mSettings.Raw("Settings/ServerIndex"), QStringLiteral("-1"));
        QCOMPARE(mSettings.Raw("Settings/LaunchConfig"), QStringLiteral("Corvale.cfg"));
        const QString start = QDir::toNativeSeparators(QDir::currentPath()) + QDir::separator();
        QCOMPARE(mSettings.Raw("Settings/ServerFile"), start + "cvservers.dat");
    }

    void commandLine_data() {
        QTest::addColumn<int>("launchType");
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("expected");
        QTest::newRow("dedicated ctf")
            << 0 << "ctf"
            << "quake2.exe +set dedicated 1 +set game ctf +exec Corvale.cfg";
        QTest::newRow("listen ctf") << 1 << "ctf"
                                    << "quake2.exe +set game ctf +exec Corvale.cfg";
        QTest::newRow("client ctf") << 2 << "ctf"
                                    << "quake2.exe +exec Corvale.cfg";
        QTest::newRow("dedicated base") << 0 << ""
                                        << "quake2.exe +set dedicated 1 +exec Corvale.cfg";
    }
    void commandLine() {
        QFETCH(int, launchType);
        QFETCH(QString, game);
        Quake2 quake;
        quake.SetExecutable("quake2.exe");
        quake.SetGame(game);
        Launcher launcher(quake);
        launcher.SetLaunchType(launchType);
        QTEST(launcher.CommandLine(), "expected");
    }

    void launchScript_data() {
        QTest::addColumn<int>("launchType");
        QTest::addColumn<int>("client");
        QTest::addColumn<int>("server");
        QTest::addColumn<QString>("expected");
        const QString defaults = "set deathmatch\t1\r\nset coop\t0\r\nset hostname\tnoname\r\n"
                                 "set maxclients\t8\r\nset fraglimit\t0\r\nset timelimit\t0\r\n"
                                 "set dmflags\t16\r\nset skill\t2\r\nset cheats\t0\r\n"
                                 "set allow_download\t0\r\nset logfile\t0\r\nset gravity\t800\r\n"
                                 "set public\t0\r\nset g_select_empty\t0\r\n\r\n\r\n";
        const QString coop = "set deathmatch\t0\r\nset coop\t1\r\nset skill\t2\r\nset cheats\t0\r\n"
                             "set allow_download\t0\r\nset logfile\t0\r\nset gravity\t800\r\n"
                             "set public\t0\r\nset g_select_empty\t0\r\n\r\n\r\nnewgame\r\n";
        QTest::newRow("listen, nothing selected")
            << 1 << -1 << -1 << "exec default.cfg\r\n\r\n" + defaults;
        QTest::newRow("listen, profile and server") << 1 << 0 << 0 << "exec my.cfg\r\n\r\n" + coop;
        QTest::newRow("listen, profile without file") << 1 << 1 << 0 << coop;
        QTest::newRow("dedicated ignores the profile") << 0 << 0 << -1 << defaults;
        QTest::newRow("client without remote") << 2 << 0 << -1 << "exec my.cfg\r\n\r\n";
        QTest::newRow("client with remote")
            << 2 << -1 << 0 << "exec default.cfg\r\n\r\nconnect q2.example.net:27910\r\n";
    }
    void launchScript() {
        QFETCH(int, launchType);
        QFETCH(int, client);
        QFETCH(int, server);
        Fixture f;
        f.launcher.mClients = {{"me", "my.cfg"}, {"plain", ""}};
        ServerConfig coop;
        coop.PlayerMode = ServerConfig::Coop;
        coop.MapMode = ServerConfig::NewGame;
        f.launcher.mServers = {coop};
        f.launcher.mRemoteServers = {{"q2.example.net:27910"}};
        f.launcher.SetLaunchType(launchType);
        QCOMPARE(f.launcher.WriteLaunchConfig(client, server, f.defaultServer), std::nullopt);
        QTEST(f.Script(), "expected");
        QCOMPARE(f.launcher.LaunchConfigPath(), f.install.Absolute("baseq2/Corvale.cfg"));
    }

    void scriptGoesWhereTheModAlreadyHasOne() {
        Fixture f;
        f.install.AddFile("ctf/Corvale.cfg", "old");
        f.install.AddDirectory("rogue");
        ServerConfig ctf, rogue;
        ctf.Game = "ctf";
        rogue.Game = "rogue";
        f.launcher.mServers = {ctf, rogue};
        QCOMPARE(f.launcher.WriteLaunchConfig(-1, 0, f.defaultServer), std::nullopt);
        QCOMPARE(f.launcher.LaunchConfigPath(), f.install.Absolute("ctf/Corvale.cfg"));
        QVERIFY(f.Script().startsWith("exec default.cfg"));
        QCOMPARE(f.launcher.WriteLaunchConfig(-1, 1, f.defaultServer), std::nullopt);
        QCOMPARE(f.launcher.LaunchConfigPath(), f.install.Absolute("baseq2/Corvale.cfg"));
        // Client only empties the game directory, so the script is in baseq2.
        f.launcher.SetLaunchType(Launcher::ClientOnly);
        QCOMPARE(f.launcher.WriteLaunchConfig(-1, 0, f.defaultServer), std::nullopt);
        QCOMPARE(f.game.Game(), QString());
    }

    void launchFailuresAreReported() {
        Fixture f;
        // No game program installed.
        QCOMPARE(f.launcher.Launch(-1, -1, f.defaultServer).result,
                 Launcher::LaunchResult::GameNotStarted);
        // A script that cannot be written stops the launch before the game.
        f.install.InstallGame("quake2");
        QDir(f.install.Absolute("baseq2")).removeRecursively();
        const Launcher::LaunchOutcome outcome = f.launcher.Launch(-1, -1, f.defaultServer);
        QCOMPARE(outcome.result, Launcher::LaunchResult::ScriptNotWritten);
        QVERIFY(outcome.error.contains("Corvale.cfg"));
        QTest::qWait(200);
        QVERIFY(!QFile::exists(f.install.Absolute("fakegame.log")));
    }

    void optionsAndPictureSettings() {
        Quake2 game;
        {
            Options options(game);
            RandomPicture picture;
            QCOMPARE(game.Path(), QDir::homePath() + "/quake2/");
            QCOMPARE(game.Executable(), QStringLiteral("quake2"));
            QCOMPARE(options.TextViewer(), QStringLiteral("xdg-open"));
            QVERIFY(!options.CloseOnLaunch());
            options.Apply("/games/q2", "q2.bin", "kate", true);
            picture.ImageFile = "/pictures/a b.png";
            picture.StretchToFit = true;
            options.Save();
            picture.Save();
        }
        QCOMPARE(mSettings.Raw("Options/Path"), QStringLiteral("/games/q2/"));
        QCOMPARE(mSettings.Raw("Options/CloseOnLaunch"), QStringLiteral("True"));
        Options options(game);
        RandomPicture picture;
        QVERIFY(options.CloseOnLaunch());
        QCOMPARE(game.Executable(), QStringLiteral("q2.bin"));
        QCOMPARE(options.TextViewer(), QStringLiteral("kate"));
        QVERIFY(picture.StretchToFit);
        QCOMPARE(picture.ImageFile, QStringLiteral("/pictures/a b.png"));
    }
};

QTEST_GUILESS_MAIN(LauncherTest)
#include "tst_launcher.moc"
