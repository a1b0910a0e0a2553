#include "game/Quake2.h"
#include "platform/ProcessStart.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <sys/wait.h>

namespace {

const QStringList kBaseConfigs = {"base.cfg", "both.cfg", "Default.CFG", "server.cfg", "zz.cfg"};

// The game on a base game, a mod "ctf" and an empty mission pack directory,
// with hidden entries, directories named like files, files named like
// directories and links; the game directory is given.
struct PopulatedGame {
    FakeInstallation installation;
    Quake2 quake2;
    explicit PopulatedGame(const QString& game) {
        for (const QString& file : kBaseConfigs)
            installation.AddFile("baseq2/" + file);
        for (const char* file : {"baseq2/.hidden.cfg", "baseq2/maps/q2dm1.bsp",
                                 "baseq2/maps/Zmap.BSP", "baseq2/maps/q2dm1.txt", "ctf/both.cfg",
                                 "ctf/.hidden.cfg", "ctf/maps/q2dm1.txt", "quake2", "readme.txt"})
            installation.AddFile(file);
        for (const char* directory :
             {"ctf/folder.cfg", "baseq2/folder.cfg", "Rogue.old", ".hidden", "xatrix"})
            installation.AddDirectory(directory);
        // Links count as what they point to; a broken one is not listed.
        QFile::link("xatrix", installation.Absolute("Linked"));
        QFile::link("q2dm1.bsp", installation.Absolute("baseq2/maps/linked.bsp"));
        QFile::link("none.bsp", installation.Absolute("baseq2/maps/broken.bsp"));
        quake2.SetPath(installation.Path());
        quake2.SetGame(game);
    }
};

} // namespace

class GameTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void filePathLooksInGameThenBase_data() {
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, QString game, QString file, QString expected) {
            QTest::newRow(name) << game << file << expected;
        };
        row("mod first", "ctf", "both.cfg", "ctf/both.cfg");
        row("only in base", "ctf", "base.cfg", "baseq2/base.cfg");
        row("in neither", "ctf", "none.cfg", "");
        row("hidden", "ctf", ".hidden.cfg", "");
        row("directory", "ctf", "folder.cfg", "");
        row("subdirectory", "ctf", "maps/q2dm1.txt", "ctf/maps/q2dm1.txt");
        row("base game by name", "baseq2", "both.cfg", "baseq2/both.cfg");
        row("mod in other case", "CTF", "both.cfg", "baseq2/both.cfg");
    }
    void filePathLooksInGameThenBase() {
        QFETCH(QString, game);
        QFETCH(QString, fileName);
        QFETCH(QString, expected);
        const PopulatedGame g(game);
        QCOMPARE(g.quake2.FilePath(fileName, true),
                 expected.isEmpty() ? QString() : g.installation.Absolute(expected));
    }

    void listings_data() {
        QTest::addColumn<QString>("game");
        QTest::addColumn<bool>("directories");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char* name, QString game, bool directories, QString pattern,
                            QStringList expected) {
            QTest::newRow(name) << game << directories << pattern << expected;
        };
        row("directories *.*", "", true, "*.*", {"baseq2", "ctf", "Linked", "Rogue.old", "xatrix"});
        row("mod match hides base", "ctf", false, "*.cfg", {"both.cfg"});
        row("mod without match", "xatrix", false, "*.cfg", kBaseConfigs);
        row("base game by name, no match", "baseq2", false, "*.dm2", {});
        row("base game", "", false, "*.cfg", kBaseConfigs);
        row("maps", "", false, "maps/*.bsp", {"linked.bsp", "q2dm1.bsp", "Zmap.BSP"});
        row("subdirectory missing", "ctf", false, "demos/*.dm2", {});
    }
    void listings() {
        QFETCH(QString, game);
        QFETCH(bool, directories);
        QFETCH(QString, pattern);
        QFETCH(QStringList, expected);
        PopulatedGame g(game);
        QCOMPARE(directories ? g.quake2.ListDirectories(pattern) : g.quake2.ListFiles(pattern),
                 expected);
    }

    // Each argument arrives (and is previewed) as it stands; an ended game leaves
    // no zombie. A failure names the program, the working directory and the reason.
    void launch_data() {
        QTest::addColumn<QString>("pathSuffix");
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QString>("reason");
        const auto row = [](const char* tag, QString suffix, QString executable, QString reason) {
            QTest::newRow(tag) << suffix << executable << reason;
        };
        row("program name", "", "fakegame", "");
        row("absolute path with a blank", "", "%1my games/fake game", "");
        row("missing program", "", "quake2x", "No such file or directory");
        row("not executable", "", "readme.txt", "Permission denied");
        row("missing installation", "gone", "fakegame", "does not exist");
    }
    void launch() {
        QFETCH(QString, pathSuffix);
        QFETCH(QString, executable);
        QFETCH(QString, reason);
        FakeInstallation installation;
        installation.InstallGame("fakegame");
        installation.AddDirectory("my games");
        installation.InstallGame("my games/fake game");
        installation.AddFile("readme.txt", "#!/bin/sh\n");
        const QString startDirectory = QDir::currentPath();
        Quake2 quake2;
        quake2.SetPath(installation.Path() + pathSuffix);
        quake2.SetExecutable(executable.replace("%1", installation.Path()));
        const QStringList arguments = {"+set", "game", "my möd", "+exec", "a \"b\";c.cfg", ""};
        const Result<> started = Quake2::Launch({.program = quake2.ProgramPath(),
                                                 .arguments = arguments,
                                                 .workingDirectory = quake2.Path()});
        QCOMPARE(QDir::currentPath(), startDirectory);
        if (!reason.isEmpty()) {
            QVERIFY2(!started && started.Error().contains(reason), qPrintable(started.Error()));
            return;
        }
        QVERIFY2(started, qPrintable(started.Error()));
        QStringList log = {"cwd=" + QFileInfo(installation.Path()).canonicalFilePath()};
        for (const QString& argument : arguments)
            log << "arg=" + argument;
        QCOMPARE(installation.GameLog(), log);
        QCOMPARE(CommandLineText("q2", arguments),
                 "q2 +set game \"my möd\" +exec \"a \\\"b\\\";c.cfg\" \"\"");
        QTRY_VERIFY(waitid(P_ALL, 0, nullptr, WEXITED | WNOHANG | WNOWAIT) != 0);
    }
};

QTEST_GUILESS_MAIN(GameTest)
#include "tst_game.moc"
