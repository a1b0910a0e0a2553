#include "app/LaunchLists.h"
#include "app/Launcher.h"
#include "game/Quake2.h"
#include "platform/SettingsStore.h"
#include "support/TestSupport.h"

#include <QDateTime>
#include <QScopeGuard>

#include <sys/stat.h>

namespace {

// A launcher on a fresh installation with a base game directory, holding
// two profiles, a coop server configuration in "ctf" and a remote server.
struct Fixture {
    FakeInstallation install;
    Quake2 game;
    Launcher launcher{game};
    ServerConfig defaultServer;
    Fixture() {
        game.SetPath(install.Path());
        game.SetExecutable(QStringLiteral("quake2"));
        install.AddDirectory("baseq2");
        install.AddFile("ctf/Corvale.cfg", "old");
        for (const char* program : {"quake2", "q2", "q2pro", "yquake2", "my games/q2"})
            install.AddFile(program, "");
        launcher.ReadSettings(SettingsStore());
        launcher.Clients() = {{"me", "my.cfg"}, {"plain", ""}};
        launcher.Servers() = {
            {.Game = "ctf", .PlayerMode = ServerConfig::Coop, .MapMode = ServerConfig::NewGame}};
        launcher.RemoteServers() = {{"localhost:27910"}};
    }
    // The launch for the selections, and its script as text.
    Result<LaunchPlan> Plan(int client, int server) {
        return launcher.Plan(client, server, defaultServer);
    }
    static QString Script(const LaunchPlan& plan) { return QString::fromUtf8(plan.script); }
};

} // namespace

class LauncherTest : public QObject {
    Q_OBJECT
private:
    TemporarySettings mSettings;

private Q_SLOTS:
    void init() { mSettings.Clear(); }

    // The launch type and profile selection as stored (null: nothing
    // stored), then as written back.
    void storedSettingsAreReadAndWrittenBack_data() {
        QTest::addColumn<QString>("storedType");
        QTest::addColumn<QString>("storedClient");
        QTest::addColumn<QString>("launchType");
        QTest::addColumn<QString>("client");
        const auto row = [](const char* tag, QString storedType, QString storedClient,
                            QString launchType, QString client) {
            QTest::newRow(tag) << storedType << storedClient << launchType << client;
        };
        row("nothing stored", {}, {}, "1", "-1");
        row("both kept", "2", "1", "2", "1");
        row("type past the last", "7", "2", "1", "2");
        row("negative type", "-3", "2", "1", "2");
        row("not numbers", "x", "two", "1", "-1");
        row("over 16 bits", "65538", "40000", "1", "-1");
    }
    void storedSettingsAreReadAndWrittenBack() {
        QFETCH(QString, storedType);
        QFETCH(QString, storedClient);
        if (!storedType.isNull()) {
            mSettings.SetRaw("Settings/LaunchType", storedType);
            mSettings.SetRaw("Settings/ClientIndex", storedClient);
            mSettings.SetRaw("Settings/ClientFile", "");
        }
        Quake2 game;
        Launcher launcher(game);
        SettingsStore settings;
        launcher.ReadSettings(settings);
        launcher.WriteSettings(settings);
        QVERIFY(settings.Save().Ok());
        QTEST(mSettings.Raw("Settings/LaunchType"), "launchType");
        QTEST(mSettings.Raw("Settings/ClientIndex"), "client");
        QCOMPARE(mSettings.Raw("Settings/LaunchConfig"), QStringLiteral("Corvale.cfg"));
        const QString start = QDir::toNativeSeparators(QDir::currentPath()) + QDir::separator();
        QCOMPARE(mSettings.Raw("Settings/ServerFile"), start + "cvservers.dat");
        QCOMPARE(mSettings.Raw("Settings/ClientFile"), start + "cvclients.dat");
    }

    // The preview quotes a value that holds a blank or a quote.
    void commandLine_data() {
        QTest::addColumn<int>("launchType");
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("expected");
        QTest::newRow("dedicated") << 0 << "ctf"
                                   << "q2 +set dedicated 1 +set game ctf +exec Corvale.cfg";
        QTest::newRow("listen") << 1 << "ctf"
                                << "q2 +set game ctf +exec Corvale.cfg";
        QTest::newRow("client only") << 2 << "ctf"
                                     << "q2 +exec Corvale.cfg";
        QTest::newRow("dedicated, base game") << 0 << ""
                                              << "q2 +set dedicated 1 +exec Corvale.cfg";
        QTest::newRow("blanks") << 1 << "my mod"
                                << "q2 +set game \"my mod\" +exec Corvale.cfg";
    }
    void commandLine() {
        QFETCH(int, launchType);
        QFETCH(QString, game);
        Fixture f;
        f.game.SetExecutable("q2");
        f.defaultServer.Game = game;
        f.launcher.SetLaunchType(launchType);
        QTEST(f.Plan(-1, -1)->CommandLine(), "expected");
        f.game.SetExecutable(f.install.Absolute("my games/q2"));
        QVERIFY(
            f.Plan(-1, -1)->CommandLine().startsWith('"' + f.install.Path() + "my games/q2\" +"));
    }

    // Every value in the script reaches the game as one value: on one line,
    // quoted where the game would split it. Ordinary values stay as they are.
    void valuesStayOneValue_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* tag, QString field, QString value, QString expected) {
            QTest::newRow(tag) << field << value << expected;
        };
        row("ordinary, accented", "hostname", "Caf\u00e9/1", "set hostname\tCaf\u00e9/1");
        row("comment", "hostname", "a//b", "set hostname\t\"a//b\"");
        row("variable", "map", "$nextmap", "map \"$nextmap\"");
        row("blank", "hostname", "My Server", "set hostname\t\"My Server\"");
        row("semicolon", "hostname", "a;quit", "set hostname\t\"a;quit\"");
        row("line breaks and tab", "hostname", "a\tb\r\nc\nd", "set hostname\t\"a\tb c d\"");
        row("quote", "hostname", "a\"b", "set hostname\tab");
        row("map with a line break", "map", "q2dm1\nquit", "map \"q2dm1 quit\"");
        row("config file with quotes", "exec", "a\" +!touch x\".cfg", "exec \"a +!touch x.cfg\"");
        row("remote with a line break", "connect", "localhost\rquit", "connect \"localhost quit\"");
        row("IPv6 remote", "connect", "[::1]:27911", "connect [::1]:27911");
    }
    void valuesStayOneValue() {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        Fixture f;
        f.launcher.Clients()[0].ConfigFile = field == "exec" ? value : "my.cfg";
        f.launcher.Servers() = {{.ServerName = field == "hostname" ? value : "noname",
                                 .MapMode = ServerConfig::SpecificMap,
                                 .MapName = field == "map" ? value : "q2dm1"}};
        f.launcher.RemoteServers() = {{value}};
        f.launcher.SetLaunchType(field == "connect" ? Launcher::ClientOnly
                                                    : Launcher::ListenServer);
        const Result<LaunchPlan> plan = f.Plan(0, 0);
        QVERIFY(plan);
        QVERIFY2(f.Script(*plan).split("\r\n").contains(expected), qPrintable(f.Script(*plan)));
    }

    // The second profile has no config file; the server is coop in "ctf",
    // which already holds a script.
    void launchScript_data() {
        QTest::addColumn<int>("launchType");
        QTest::addColumn<int>("client");
        QTest::addColumn<int>("server");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("folder");
        const QString defaults =
            "set deathmatch\t1\r\nset coop\t0\r\nset hostname\tnoname\r\nset maxclients\t8\r\n"
            "set fraglimit\t0\r\nset timelimit\t0\r\nset dmflags\t16\r\nset skill\t2\r\n"
            "set cheats\t0\r\nset allow_download\t0\r\nset logfile\t0\r\nset gravity\t800\r\n"
            "set public\t0\r\nset g_select_empty\t0\r\n\r\n\r\n";
        const QString coop = "set deathmatch\t0\r\nset coop\t1\r\nset skill\t2\r\nset cheats\t0\r\n"
                             "set allow_download\t0\r\nset logfile\t0\r\nset gravity\t800\r\n"
                             "set public\t0\r\nset g_select_empty\t0\r\n\r\n\r\nnewgame\r\n";
        const QString mine = "exec my.cfg\r\n\r\n", standard = "exec default.cfg\r\n\r\n";
        const auto row = [](const char* tag, int type, int client, int server, QString expected,
                            QString folder) {
            QTest::newRow(tag) << type << client << server << expected << folder;
        };
        row("listen, nothing selected", 1, -1, -1, standard + defaults, "baseq2");
        row("listen, profile and server", 1, 0, 0, mine + coop, "ctf");
        row("listen, profile without file", 1, 1, 0, coop, "ctf");
        row("dedicated ignores the profile", 0, 0, -1, defaults, "baseq2");
        row("client without remote", 2, 0, -1, mine, "baseq2");
        row("client with remote", 2, -1, 0, standard + "connect localhost:27910\r\n", "baseq2");
    }
    void launchScript() {
        QFETCH(int, launchType);
        QFETCH(int, client);
        QFETCH(int, server);
        QFETCH(QString, folder);
        Fixture f;
        f.launcher.SetLaunchType(launchType);
        const Result<LaunchPlan> plan = f.Plan(client, server);
        QVERIFY(plan);
        QCOMPARE(plan->scriptPath, f.install.Absolute(folder + "/Corvale.cfg"));
        QTEST(f.Script(*plan), "expected");
    }

    // A game folder that cannot be written (a game installed by the system):
    // the script goes into the user game folder that the program reads before
    // the installation (its own for Q2PRO and Yamagi, else the first existing
    // one), where the same command line finds it; without one the launch
    // stops. The home folder holds the folders and a file named as given;
    // "~" in the script path and the error stands for it.
    void scriptOfAReadOnlyInstallation_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("userFolders");
        QTest::addColumn<QString>("userFile");
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("error");
        const auto row = [](const char* tag, QString program, QStringList folders, QString file,
                            QString game, QString script, QString error) {
            QTest::newRow(tag) << program << folders << file << game << script << error;
        };
        const QString yq2 = "~/.yq2/baseq2/Corvale.cfg";
        row("yq2 first", "quake2", {".quake2", ".q2pro", ".yq2"}, "", "", yq2, "");
        row("mod holding the script", "quake2", {".quake2", ".q2pro/ctf"}, "", "ctf",
            "~/.q2pro/ctf/Corvale.cfg", "");
        row("q2pro's own", "q2pro", {".yq2", ".q2pro"}, "", "", "~/.q2pro/baseq2/Corvale.cfg", "");
        row("yquake2's own, made", "<game>/yquake2", {".q2pro"}, "", "", yq2, "");
        row("no user folder", "quake2", {}, "", "", "", "~/.yq2, ");
        const QString notAFolder = "~/.yq2 that should take the file instead is not a folder";
        row("file for the first", "quake2", {}, ".yq2", "", "", notAFolder);
        row("file for its own", "yquake2", {".q2pro"}, ".yq2", "", "", notAFolder);
    }
    void scriptOfAReadOnlyInstallation() {
        QFETCH(QStringList, userFolders);
        QFETCH(QString, userFile);
        QFETCH(QString, script);
        QFETCH(QString, error);
        Fixture f;
        QTemporaryDir home;
        for (const QString& folder : userFolders)
            QVERIFY(QDir(home.path()).mkpath(folder));
        if (!userFile.isEmpty())
            QVERIFY(QFile(home.filePath(userFile)).open(QIODevice::WriteOnly));
        const QByteArray savedHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner;
        for (const char* folder : {"baseq2", "ctf"})
            QFile::setPermissions(f.install.Absolute(folder), readOnly);
        const auto restore = qScopeGuard([&] {
            qputenv("HOME", savedHome);
            for (const char* folder : {"baseq2", "ctf"})
                QFile::setPermissions(f.install.Absolute(folder), readOnly | QFile::WriteOwner);
        });
        QFETCH(QString, game);
        f.defaultServer.Game = game;
        QFETCH(QString, program);
        f.game.SetExecutable(program.replace("<game>/", f.install.Path()));
        script.replace("~", home.path());
        error.replace("~", home.path());

        const Result<LaunchPlan> plan = f.Plan(-1, -1);
        QCOMPARE(FileBytes(f.install.Absolute("ctf/Corvale.cfg")), QByteArray("old"));
        QVERIFY(!QFile::exists(f.install.Absolute("baseq2/Corvale.cfg")));
        if (!error.isEmpty()) {
            QVERIFY2(!plan && plan.Error().contains(error), qPrintable(plan.Error()));
            return;
        }
        QVERIFY2(plan, qPrintable(plan.Error()));
        QCOMPARE(plan->scriptPath, script);
        QVERIFY(f.Script(*plan).startsWith("exec default.cfg\r\n"));
    }

    // A game folder or script name that the game's console would split
    // (its command line arguments become console commands, which nothing can
    // quote) stops the launch before anything is written, naming the value.
    void namesTheConsoleWouldSplit_data() {
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("named");
        const auto row = [](const char* tag, QString game, QString script, QString named) {
            QTest::newRow(tag) << game << script << named;
        };
        row("game, ;", "x;quit", "Corvale.cfg", "folder \"x;quit\"");
        row("game, line break", "x\nquit", "Corvale.cfg", "\"x\u21B5quit\"");
        row("script, quote", "ctf", "a\" +quit", "name \"a\" +quit\" (the");
        row("script, CR LF", "ctf", "a\r\nquit", "\"a\u21B5quit\" (the");
    }
    void namesTheConsoleWouldSplit() {
        QFETCH(QString, game);
        QFETCH(QString, script);
        QFETCH(QString, named);
        mSettings.SetRaw("Settings/LaunchConfig", script);
        Fixture f;
        f.launcher.Servers()[0].Game = game;
        const Result<LaunchPlan> plan = f.Plan(0, 0);
        QVERIFY2(!plan && plan.Error().contains(named), qPrintable(plan.Error()));
        QVERIFY(QDir(f.install.Absolute("baseq2")).isEmpty());
        QCOMPARE(FileBytes(f.install.Absolute("ctf/Corvale.cfg")), QByteArray("old"));
    }

    // The profile file as the settings name it: what a load reports and
    // keeps, and whether the save at exit rewrites it. The file holds one
    // profile; the run adds a profile and a server configuration unless the
    // row leaves the lists unchanged, only taken for a change (as by Cancel).
    void recordFilesTheSettingsName_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<int>("loaded");
        QTest::addColumn<bool>("rewritten");
        const auto row = [](const char* kind, QString problem, int loaded, bool rewritten) {
            QTest::newRow(kind) << QString(kind) << problem << loaded << rewritten;
        };
        row("dotfile", "", 1, true);
        row("unchanged", "", 1, false);
        row("named twice", "named for two lists", 1, true);
        row("fifo", "not an ordinary file", 0, false);
    }
    void recordFilesTheSettingsName() {
        QFETCH(QString, kind);
        QFETCH(QString, problem);
        QFETCH(bool, rewritten);
        CurrentDirectoryGuard guard;
        QTemporaryDir dir;
        QDir::setCurrent(dir.path());
        const QByteArray profile = "\"me\"\r\n\"me.cfg\"\r\n";
        const QDateTime yesterday = QDateTime::currentDateTime().addDays(-1);
        const QString path = dir.filePath(kind == "dotfile" ? ".corvale-clients" : "cvclients.dat");
        if (kind == "fifo") {
            QCOMPARE(mkfifo(QFile::encodeName(path), 0600), 0);
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(profile) == profile.size());
            QVERIFY(file.flush() && file.setFileTime(yesterday, QFileDevice::FileModificationTime));
        }
        mSettings.SetRaw("Settings/ClientFile", path);
        if (kind == "named twice")
            mSettings.SetRaw("Settings/ServerFile", dir.path() + "/./cvclients.dat");

        Quake2 game;
        Launcher launcher(game);
        launcher.ReadSettings(SettingsStore());
        const Result<> loaded = launcher.LoadCollections();
        QCOMPARE(loaded.Ok(), problem.isEmpty());
        QVERIFY(loaded.Error().contains(problem));
        QTEST(int(launcher.Clients().size()), "loaded");
        QVERIFY(launcher.Servers().empty());
        if (kind != "unchanged") {
            launcher.Clients().push_back({"new", ""});
            launcher.Servers().emplace_back();
        }
        QVERIFY(launcher.SaveCollections());
        const QFileInfo after(path);
        QCOMPARE(after.isFile(), kind != "fifo");
        if (rewritten)
            QCOMPARE(FileBytes(path), profile + "\"new\"\r\n\"\"\r\n");
        else if (after.isFile())
            QCOMPARE(after.lastModified(), yesterday);
    }

    // A list is written at exit when it may have changed (an entry added or
    // removed, a field edited as the dialogs do, its file gone), else left
    // alone; a bit for each list written. LF line ends become CR LF on a write.
    void changedListsAreWrittenAtExit() {
        const std::pair<void (*)(Launcher&, LaunchLists&), int> rows[] = {
            {[](auto&, auto& lists) { lists.SwitchLaunchType(Launcher::ClientOnly); }, 0},
            {[](auto& launcher, auto& lists) {
                 lists.RemoveSelectedClient();
                 lists.AddServer("x");
                 launcher.RemoteServers()[0].ID = "x";
             },
             7},
            {[](auto& launcher, auto&) { QFile::remove(launcher.Files().servers); }, 2},
        };
        const QStringList names = {"cvclients.dat", "cvservers.dat", "cvremotes.dat"};
        for (const auto& [run, written] : rows) {
            Fixture f;
            CurrentDirectoryGuard guard;
            QDir::setCurrent(f.install.Path());
            LaunchLists lists(f.launcher);
            f.launcher.SetFiles({names[0], names[1], names[2]});
            f.launcher.SavedSelections().client = 0;
            QVERIFY(f.launcher.SaveCollections());
            for (const QString& name : names)
                f.install.AddFile(name, FileBytes(name).replace("\r\n", "\n"));
            QVERIFY(f.launcher.LoadCollections());
            lists.FillServerList();
            lists.FillClientList();
            run(f.launcher, lists);
            QVERIFY(f.launcher.SaveCollections());
            const auto bit = [&](int i) { return int(FileBytes(names[i]).contains("\r\n")) << i; };
            QCOMPARE(bit(0) | bit(1) | bit(2), written);
        }
    }

    // A start directory that cannot be written (/proc/1, even for root), or
    // the root (where a desktop menu starts programs, writable for root), puts
    // the record files in the user's data folder.
    void recordFilesOutsideAReadOnlyStartDirectory() {
        CurrentDirectoryGuard guard;
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        for (const char* start : {"/proc/1", "/"}) {
            QVERIFY(QDir::setCurrent(start));
            const QString file = SettingsStore().Read(Setting::RemoteServerFile);
            QCOMPARE(QFileInfo(file).fileName(), "cvremotes.dat");
            QVERIFY2(file.startsWith(data.path() + "/"), start);
            QVERIFY(QFileInfo(QFileInfo(file).path()).isDir());
        }
        qunsetenv("XDG_DATA_HOME");
    }

    // Each list keeps its own saved selection across launch-type switches;
    // a removal selects the entry that took the removed one's place, the
    // first when the last went, nothing when none is left.
    void listsFollowTheLaunchType() {
        Fixture f;
        f.launcher.Servers().resize(3);
        f.launcher.Clients().push_back({"three", ""});
        f.launcher.SavedSelections().server = 3; // past the end: the list's file was replaced
        LaunchLists lists(f.launcher);
        lists.FillServerList();
        lists.FillClientList();
        QCOMPARE(lists.Servers().Selected(), qint16(-1));
        QVERIFY(!lists.ServerModel().index(0).data(Qt::ToolTipRole).isValid());
        lists.Clients().Select(2);
        lists.Servers().Select(1);
        lists.SwitchLaunchType(Launcher::DedicatedServer);
        QCOMPARE(lists.Clients().Selected(), qint16(-1));
        lists.SwitchLaunchType(Launcher::ClientOnly);
        QCOMPARE(lists.ServerModel().rowCount(), 1);
        QCOMPARE(lists.Servers().Selected(), qint16(-1));
        QCOMPARE(lists.Clients().Selected(), qint16(2));
        lists.Servers().Select(0);
        lists.SwitchLaunchType(Launcher::ListenServer);
        QCOMPARE(lists.ServerModel().rowCount(), 3);
        QCOMPARE(lists.Servers().Selected(), qint16(1));
        lists.SaveSelections();
        const Launcher::Selections saved = f.launcher.SavedSelections();
        QCOMPARE(QList<int>({saved.server, saved.remoteServer, saved.client}),
                 QList<int>({1, 0, 2}));

        // A selection cancels a pending deselection (a click on the selected entry).
        lists.Clients().ClickedSelected(60000);
        lists.Clients().Select(1);
        lists.Clients().SettlePending();
        const std::pair<int, QStringList> steps[] = {{1, {"me", "three"}}, {0, {"me"}}, {-1, {}}};
        for (const auto& [selected, left] : steps) {
            lists.RemoveSelectedClient();
            QCOMPARE(lists.Clients().Selected(), qint16(selected));
            QStringList ids;
            for (const UserProfile& client : f.launcher.Clients())
                ids << client.ID;
            QCOMPARE(ids, left);
            QCOMPARE(lists.ClientModel().rowCount(), left.size());
        }
    }
};

QTEST_GUILESS_MAIN(LauncherTest)
#include "tst_launcher.moc"
