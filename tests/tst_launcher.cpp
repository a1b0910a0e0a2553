#include "app/Launcher.h"
#include "game/Quake2.h"
#include "prefs/Options.h"
#include "prefs/RandomPicture.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class LauncherTest : public QObject {
    Q_OBJECT
private:
    TemporarySettings mSettings;

    // A launcher on a fresh installation whose record files live in it.
    struct Fixture {
        FakeInstallation install;
        Quake2 game;
        Launcher launcher{game};
        ServerConfig defaultServer;
        Fixture() {
            game.SetPath(install.Path());
            game.SetExecutable(QStringLiteral("quake2"));
            launcher.mClientFile = install.Absolute("cvclients.dat");
            launcher.mServerFile = install.Absolute("cvservers.dat");
            launcher.mRemoteServerFile = install.Absolute("cvremotes.dat");
            install.AddDirectory("baseq2");
        }
        QString Script() const { return QString::fromUtf8(FileBytes(launcher.LaunchConfigPath())); }
    };

private Q_SLOTS:
    void init() { mSettings.Clear(); }

    void firstRunDefaultsAreWrittenBack() {
        Quake2 game;
        {
            Launcher launcher(game);
            QCOMPARE(launcher.CurrentLaunchType(), Launcher::ListenServer);
            QCOMPARE(launcher.mClientIndex, qint16(-1));
            QCOMPARE(launcher.mServerIndex, qint16(-1));
            QCOMPARE(launcher.mRemoteServerIndex, qint16(-1));
            const QString start = QDir::toNativeSeparators(QDir::currentPath()) + QDir::separator();
            QCOMPARE(launcher.mClientFile, start + "cvclients.dat");
            QCOMPARE(launcher.mServerFile, start + "cvservers.dat");
            QCOMPARE(launcher.mRemoteServerFile, start + "cvremotes.dat");
            QCOMPARE(launcher.mLaunchConfig, QStringLiteral("Corvale.cfg"));
            launcher.WriteSettings();
        }
        QCOMPARE(mSettings.Raw("Settings/LaunchType"), QStringLiteral("1"));
        QCOMPARE(mSettings.Raw("Settings/ClientIndex"), QStringLiteral("-1"));
        QCOMPARE(mSettings.Raw("Settings/ServerIndex"), QStringLiteral("-1"));
        QCOMPARE(mSettings.Raw("Settings/RemoteServerIndex"), QStringLiteral("-1"));
        QCOMPARE(mSettings.Raw("Settings/LaunchConfig"), QStringLiteral("Corvale.cfg"));
        QVERIFY(mSettings.Raw("Settings/ClientFile").endsWith("cvclients.dat"));
        QVERIFY(mSettings.Raw("Settings/ServerFile").endsWith("cvservers.dat"));
        QVERIFY(mSettings.Raw("Settings/RemoteServerFile").endsWith("cvremotes.dat"));
    }

    void storedValuesAreReadAndWrittenBack_data() {
        QTest::addColumn<QString>("launchType");
        QTest::addColumn<QString>("clientIndex");
        QTest::addColumn<bool>("dedicated");
        QTest::addColumn<bool>("clientOnly");
        QTest::addColumn<QString>("launchTypeWritten");
        QTest::addColumn<QString>("clientIndexWritten");
        QTest::newRow("dedicated") << "0"
                                   << "3" << true << false << "0"
                                   << "3";
        QTest::newRow("listen") << "1"
                                << "0" << false << false << "1"
                                << "0";
        QTest::newRow("client only") << "2"
                                     << "1" << false << true << "2"
                                     << "1";
        QTest::newRow("out of range") << "7"
                                      << "2" << false << false << "1"
                                      << "2";
        QTest::newRow("not numbers") << "x"
                                     << "two" << false << false << "1"
                                     << "-1";
        QTest::newRow("16-bit overflow") << "65538"
                                         << "40000" << false << false << "1"
                                         << "-1";
    }
    void storedValuesAreReadAndWrittenBack() {
        QFETCH(QString, launchType);
        QFETCH(QString, clientIndex);
        mSettings.SetRaw("Settings/LaunchType", launchType);
        mSettings.SetRaw("Settings/ClientIndex", clientIndex);
        Quake2 game;
        Launcher launcher(game);
        QTEST(launcher.mDedicated, "dedicated");
        QTEST(launcher.mClientOnly, "clientOnly");
        launcher.WriteSettings();
        QTEST(mSettings.Raw("Settings/LaunchType"), "launchTypeWritten");
        QTEST(mSettings.Raw("Settings/ClientIndex"), "clientIndexWritten");
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
        QTest::newRow("listen base") << 1 << ""
                                     << "quake2.exe +exec Corvale.cfg";
        QTest::newRow("client base") << 2 << ""
                                     << "quake2.exe +exec Corvale.cfg";
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

    void collectionsRoundTripByteForByte() {
        Fixture f;
        UserProfile profile;
        profile.ID = "Player \"One\", the first";
        profile.ConfigFile = "my.cfg";
        f.launcher.mClients = {profile, profile, UserProfile{}};
        ServerConfig ffa;
        ffa.ID = "ffa";
        ffa.ExtraCommands = "say hi\r\nsay \"bye\"";
        ffa.Gravity = -20;
        ffa.DmFlags = 1048575;
        ServerConfig coop;
        coop.ID = "coop";
        coop.PlayerMode = ServerConfig::Coop;
        f.launcher.mServers = {ffa, coop, ffa};
        ServerAddr remote;
        remote.ID = "10.0.0.1:27910";
        f.launcher.mRemoteServers = {remote, ServerAddr{}, remote};
        QVERIFY(f.launcher.SaveCollections().isEmpty());
        const QByteArray servers = FileBytes(f.launcher.mServerFile);
        const QByteArray clients = FileBytes(f.launcher.mClientFile);
        const QByteArray remotes = FileBytes(f.launcher.mRemoteServerFile);

        QVERIFY(f.launcher.LoadCollections().isEmpty());
        QCOMPARE(f.launcher.mClients.size(), size_t(3));
        QCOMPARE(f.launcher.mClients[1].ID, profile.ID);
        QCOMPARE(f.launcher.mClients[2].ID, QString());
        QCOMPARE(f.launcher.mServers.size(), size_t(3));
        QCOMPARE(f.launcher.mServers[1].ID, QStringLiteral("coop"));
        QCOMPARE(f.launcher.mServers[2].ExtraCommands, ffa.ExtraCommands);
        QCOMPARE(f.launcher.mServers[2].Gravity, qint16(-20));
        QCOMPARE(f.launcher.mRemoteServers.size(), size_t(3));
        QCOMPARE(f.launcher.mRemoteServers[0].ID, remote.ID);

        QVERIFY(f.launcher.SaveCollections().isEmpty());
        QCOMPARE(FileBytes(f.launcher.mServerFile), servers);
        QCOMPARE(FileBytes(f.launcher.mClientFile), clients);
        QCOMPARE(FileBytes(f.launcher.mRemoteServerFile), remotes);
    }

    void missingAndHandWrittenFilesLoad() {
        Fixture f;
        f.install.AddFile("cvremotes.dat", "\"a:1\"\r\n  plain  \r\n\"b,c\"\r\n");
        f.install.AddFile("cvclients.dat", "");
        QVERIFY(f.launcher.LoadCollections().isEmpty());
        QVERIFY(f.launcher.mServers.empty());
        QVERIFY(f.launcher.mClients.empty());
        QCOMPARE(f.launcher.mRemoteServers.size(), size_t(3));
        QCOMPARE(f.launcher.mRemoteServers[1].ID, QStringLiteral("plain"));
        QCOMPARE(f.launcher.mRemoteServers[2].ID, QStringLiteral("b,c"));
    }

    void everyTruncationKeepsCompleteRecordsAndTheOriginal() {
        Fixture f;
        ServerConfig first, second;
        first.ID = "first";
        second.ID = "second";
        second.ExtraCommands = "a\r\nb";
        f.launcher.mServers = {first, second};
        QVERIFY(f.launcher.SaveCollections().isEmpty());
        const QByteArray whole = FileBytes(f.launcher.mServerFile);
        const QByteArray firstRecord = whole.left(whole.indexOf("\"second\""));

        for (qsizetype cut = 1; cut < whole.size(); ++cut) {
            const QByteArray part = whole.left(cut);
            f.install.AddFile("cvservers.dat", part);
            QFile::remove(f.launcher.mServerFile + ".bak");
            const QStringList problems = f.launcher.LoadCollections();
            const size_t complete =
                cut >= whole.size() - 2 ? 2 : (cut >= firstRecord.size() - 2 ? 1 : 0);
            QCOMPARE(f.launcher.mServers.size(), complete);
            if (complete >= 1)
                QCOMPARE(f.launcher.mServers[0].ID, QStringLiteral("first"));
            const bool cleanCut = cut == firstRecord.size() || cut >= whole.size() - 2 ||
                                  cut == firstRecord.size() - 1 || cut == firstRecord.size() - 2;
            QCOMPARE(problems.isEmpty(), cleanCut);
            if (!cleanCut) {
                QVERIFY(problems.first().contains("cvservers.dat.bak"));
                QCOMPARE(FileBytes(f.launcher.mServerFile + ".bak"), part);
            }
        }
    }

    void failedSaveKeepsTheOldFile() {
        Fixture f;
        f.install.AddFile("cvclients.dat", "\"kept\"\r\n\"\"\r\n");
        f.launcher.mClientFile = f.install.Absolute("no-such-folder/cvclients.dat");
        const QStringList problems = f.launcher.SaveCollections();
        QCOMPARE(problems.size(), 1);
        QVERIFY(problems.first().contains("no-such-folder"));
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
        UserProfile withFile, withoutFile;
        withFile.ID = "me";
        withFile.ConfigFile = "my.cfg";
        withoutFile.ID = "plain";
        f.launcher.mClients = {withFile, withoutFile};
        ServerConfig coop;
        coop.PlayerMode = ServerConfig::Coop;
        coop.MapMode = ServerConfig::NewGame;
        f.launcher.mServers = {coop};
        ServerAddr remote;
        remote.ID = "q2.example.net:27910";
        f.launcher.mRemoteServers = {remote};
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
        QCOMPARE(f.launcher.WriteLaunchConfig(-1, -1, f.defaultServer), std::nullopt);
        QCOMPARE(f.game.Game(), QString());
    }

    void launchStartsTheGameWithItsCommandLine() {
        Fixture f;
        f.install.InstallGame("quake2");
        ServerConfig ctf;
        ctf.Game = "ctf";
        f.launcher.mServers = {ctf};
        f.launcher.SetLaunchType(Launcher::DedicatedServer);
        const Launcher::LaunchOutcome outcome = f.launcher.Launch(-1, 0, f.defaultServer);
        QCOMPARE(outcome.result, Launcher::LaunchResult::Started);
        const QStringList log = f.install.GameLog();
        QCOMPARE(log, QStringList({"cwd=" + QDir(f.install.Path()).canonicalPath(), "arg=+set",
                                   "arg=dedicated", "arg=1", "arg=+set", "arg=game", "arg=ctf",
                                   "arg=+exec", "arg=Corvale.cfg"}));
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
            QVERIFY(picture.ImageFile.isEmpty());
            QVERIFY(!picture.StretchToFit);
            options.Save();
            picture.Save();
        }
        QCOMPARE(mSettings.Raw("Options/CloseOnLaunch"), QStringLiteral("False"));
        QCOMPARE(mSettings.Raw("Options/StretchToFit"), QStringLiteral("False"));
        QCOMPARE(mSettings.Raw("Options/RandomPicture"), QString(""));
        QCOMPARE(mSettings.Raw("Options/Viewer"), QStringLiteral("xdg-open"));
        {
            Options options(game);
            options.Apply("/games/q2", "q2.bin", "kate", true);
            RandomPicture picture;
            picture.ImageFile = "/pictures/a b.png";
            picture.StretchToFit = true;
            options.Save();
            picture.Save();
        }
        QCOMPARE(mSettings.Raw("Options/Path"), QStringLiteral("/games/q2/"));
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
