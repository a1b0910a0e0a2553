#include "game/Quake2.h"
#include "platform/SettingsStore.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace {

const QStringList kBaseConfigs = {"autoexec.cfg", "config.cfg", "Default.cfg", "server.cfg",
                                  "zz.CFG"};

// A path below the installation in the platform's own spelling, "" for "".
QString Native(const FakeInstallation& installation, const QString& relativePath) {
    return relativePath.isEmpty() ? QString() : installation.Absolute(relativePath);
}

} // namespace

class GameTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void filePathLooksInGameThenBase_data() {
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("mustExist");
        QTest::addColumn<QString>("expected");
        QTest::newRow("mod preferred") << "ctf"
                                       << "both.cfg" << true << "ctf/both.cfg";
        QTest::newRow("only in base") << "ctf"
                                      << "base.cfg" << true << "baseq2/base.cfg";
        QTest::newRow("in neither") << "ctf"
                                    << "none.cfg" << false << "baseq2/none.cfg";
        QTest::newRow("in neither, must exist") << "ctf"
                                                << "none.cfg" << true << "";
        QTest::newRow("hidden counts as absent") << "ctf"
                                                 << ".hidden.cfg" << false << "baseq2/.hidden.cfg";
        QTest::newRow("hidden, must exist") << "ctf"
                                            << ".hidden.cfg" << true << "";
        QTest::newRow("directory is no file") << "ctf"
                                              << "folder.cfg" << true << "";
        QTest::newRow("subdirectory part") << "ctf"
                                           << "maps/q2dm1.txt" << true << "ctf/maps/q2dm1.txt";
        QTest::newRow("base game") << ""
                                   << "both.cfg" << true << "baseq2/both.cfg";
        QTest::newRow("base game by name") << "baseq2"
                                           << "both.cfg" << true << "baseq2/both.cfg";
        QTest::newRow("base game by name, missing") << "baseq2"
                                                    << "none.cfg" << true << "";
        QTest::newRow("name differs in case") << "CTF"
                                              << "both.cfg" << true << "baseq2/both.cfg";
    }
    void filePathLooksInGameThenBase() {
        QFETCH(QString, game);
        QFETCH(QString, fileName);
        QFETCH(bool, mustExist);
        QFETCH(QString, expected);
        FakeInstallation installation;
        for (const char* file : {"ctf/both.cfg", "baseq2/both.cfg", "baseq2/base.cfg",
                                 "ctf/.hidden.cfg", "baseq2/.hidden.cfg", "ctf/maps/q2dm1.txt"})
            installation.AddFile(file);
        installation.AddDirectory("ctf/folder.cfg");
        installation.AddDirectory("baseq2/folder.cfg");
        Quake2 quake2;
        quake2.SetPath(installation.Path());
        quake2.SetGame(game);
        QCOMPARE(quake2.FilePath(fileName, mustExist), Native(installation, expected));
    }

    void pathEndsWithOneSeparator_data() {
        const QString separator = Quake2::Separator();
        const QString games = separator + "games" + separator + "quake2";
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("added") << games << games + separator;
        QTest::newRow("kept") << games + separator << games + separator;
        QTest::newRow("empty") << "" << separator;
    }
    void pathEndsWithOneSeparator() {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        Quake2 quake2;
        quake2.SetPath(path);
        QCOMPARE(quake2.Path(), expected);
        QCOMPARE(quake2.Drive(), expected.left(1));
    }

    void listDirectoriesNeverFiles_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("*.*") << "*.*" << QStringList{"baseq2", "Rogue.old", "xatrix"};
        QTest::newRow("*") << "*" << QStringList{"baseq2", "Rogue.old", "xatrix"};
        QTest::newRow("case ignored") << "X*" << QStringList{"xatrix"};
        QTest::newRow("one character") << "?atrix" << QStringList{"xatrix"};
        QTest::newRow("no match") << "*.pak" << QStringList{};
    }
    void listDirectoriesNeverFiles() {
        QFETCH(QString, pattern);
        QFETCH(QStringList, expected);
        FakeInstallation installation;
        for (const char* directory : {"xatrix", "baseq2", "Rogue.old", ".hidden"})
            installation.AddDirectory(directory);
        for (const char* file : {"quake2", "xfile", "readme.txt", "pak0.pak"})
            installation.AddFile(file);
        Quake2 quake2;
        quake2.SetPath(installation.Path());
        QCOMPARE(quake2.ListDirectories(pattern), expected);
    }

    void listFilesTakesOneDirectory_data() {
        QTest::addColumn<QString>("game");
        QTest::addColumn<QStringList>("modFiles");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("mod match hides base")
            << "ctf" << QStringList{"ctf.cfg", "ctf.txt"} << "*.cfg" << QStringList{"ctf.cfg"};
        QTest::newRow("mod without match")
            << "ctf" << QStringList{"ctf.txt"} << "*.cfg" << kBaseConfigs;
        QTest::newRow("mod directory missing")
            << "rogue" << QStringList{} << "*.cfg" << kBaseConfigs;
        QTest::newRow("base game") << "" << QStringList{"ctf.cfg"} << "*.cfg" << kBaseConfigs;
        QTest::newRow("base game by name, no match")
            << "baseq2" << QStringList{"ctf.cfg"} << "*.dm2" << QStringList{};
        QTest::newRow("subdirectory missing")
            << "ctf" << QStringList{"ctf.cfg"} << "demos/*.dm2" << QStringList{};
    }
    void listFilesTakesOneDirectory() {
        QFETCH(QString, game);
        QFETCH(QStringList, modFiles);
        QFETCH(QString, pattern);
        QFETCH(QStringList, expected);
        FakeInstallation installation;
        for (const QString& file : kBaseConfigs + QStringList{"pak0.pak", ".hidden.cfg"})
            installation.AddFile("baseq2/" + file);
        installation.AddDirectory("baseq2/folder.cfg");
        for (const QString& file : modFiles)
            installation.AddFile("ctf/" + file);
        Quake2 quake2;
        quake2.SetPath(installation.Path());
        quake2.SetGame(game);
        QCOMPARE(quake2.ListFiles(pattern), expected);

        quake2.SetPath(installation.Path() + "missing");
        QCOMPARE(quake2.ListFiles(pattern), QStringList());
    }

    void listMapsCatalogueAndFiles_data() {
        QTest::addColumn<QString>("game");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QStringList>("countFirstLast");
        QTest::newRow("single player") << "" << 0 << true << QStringList{"39", "base1", "boss2"};
        QTest::newRow("deathmatch") << "" << 1 << true << QStringList{"8", "q2dm1", "match1"};
        QTest::newRow("mission pack single player")
            << "xatrix" << 0 << true << QStringList{"18", "xswamp", "xmoon2"};
        QTest::newRow("mission pack deathmatch")
            << "xatrix" << 1 << true << QStringList{"7", "xdm1", "xdm7"};
        QTest::newRow("mission pack in capitals")
            << "XATRIX" << 0 << true << QStringList{"39", "base1", "boss2"};
        QTest::newRow("other mod") << "ctf" << 1 << true << QStringList{"8", "q2dm1", "match1"};
        QTest::newRow("custom maps")
            << "ctf" << 2 << true << QStringList{"2", "q2dm1.bsp", "Zmap.BSP"};
        QTest::newRow("custom maps, no directory") << "" << 2 << false << QStringList{"0"};
        QTest::newRow("unknown kind") << "" << 3 << true << QStringList{"0"};
        QTest::newRow("negative kind") << "" << -1 << true << QStringList{"0"};
    }
    void listMapsCatalogueAndFiles() {
        QFETCH(QString, game);
        QFETCH(int, kind);
        QFETCH(bool, installed);
        QFETCH(QStringList, countFirstLast);
        FakeInstallation installation;
        for (const char* file : {"baseq2/maps/Zmap.BSP", "baseq2/maps/q2dm1.bsp",
                                 "baseq2/maps/q2dm1.txt", "baseq2/q2dm2.bsp"})
            installation.AddFile(file);
        Quake2 quake2;
        quake2.SetPath(installation.Path() + (installed ? "" : "missing"));
        quake2.SetGame(game);
        const QStringList maps = quake2.ListMaps(kind);
        QCOMPARE(maps.size(), countFirstLast.at(0).toInt());
        if (!maps.isEmpty()) {
            QCOMPARE(maps.first(), countFirstLast.at(1));
            QCOMPARE(maps.last(), countFirstLast.at(2));
        }
    }

    void savedGamesReadSlotTitles_data() {
        QTest::addColumn<QString>("game");
        QTest::addColumn<bool>("hasSaves");
        QTest::newRow("base game") << "" << true;
        QTest::newRow("base game by name") << "baseq2" << true;
        QTest::newRow("mod without saves") << "ctf" << false;
    }
    void savedGamesReadSlotTitles() {
        QFETCH(QString, game);
        QFETCH(bool, hasSaves);
        const QByteArray title0("The Outer Base\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 32);
        const QByteArray title3("Jail \xe9 Detention Center 12345678");
        FakeInstallation installation;
        installation.AddFile("baseq2/save/save0/server.ssv", title0 + "game state follows");
        installation.AddFile("baseq2/save/save3/server.ssv", title3 + QByteArray(100, 'x'));
        installation.AddFile("baseq2/save/save5/game.ssv", "no server.ssv here");
        installation.AddFile("baseq2/save/save7/server.ssv", "short");
        installation.AddDirectory("baseq2/save/save9/server.ssv");
        installation.AddFile("baseq2/save/save15/server.ssv", "beyond the last slot");
        installation.AddFile("ctf/maps/ctf1.bsp");
        Quake2 quake2;
        quake2.SetPath(installation.Path());
        quake2.SetGame(game);

        QStringList expected(Quake2::kSavedGameSlots);
        if (hasSaves) {
            expected[0] = QString::fromLatin1(title0);
            expected[3] = QString::fromLatin1(title3);
            expected[7] = "short";
        }
        const QStringList titles = quake2.SavedGames();
        QCOMPARE(titles, expected);
        QCOMPARE(titles.at(0).size(), hasSaves ? 32 : 0);
    }

    void launchStartsGameInInstallation_data() {
        QTest::addColumn<QString>("commandLine");
        QTest::newRow("program name") << "fakegame +set game ctf +exec Corvale.cfg";
        QTest::newRow("repeated blanks") << "fakegame  +set game ctf   +exec Corvale.cfg";
        QTest::newRow("absolute program") << "%1fakegame +set game ctf +exec Corvale.cfg";
    }
    void launchStartsGameInInstallation() {
        QFETCH(QString, commandLine);
        FakeInstallation installation;
        installation.InstallGame("fakegame");
        const QString startDirectory = QDir::currentPath();
        Quake2 quake2;
        quake2.SetPath(installation.Path());
        QVERIFY(quake2.Launch(commandLine.replace("%1", installation.Path())));
        QCOMPARE(installation.GameLog(),
                 QStringList({"cwd=" + QFileInfo(installation.Path()).canonicalFilePath(),
                              "arg=+set", "arg=game", "arg=ctf", "arg=+exec", "arg=Corvale.cfg"}));
        QCOMPARE(QDir::currentPath(), startDirectory);
    }

    void launchFailsWithoutGame_data() {
        QTest::addColumn<QString>("pathSuffix");
        QTest::addColumn<QString>("commandLine");
        QTest::newRow("missing program") << ""
                                         << "quake2 +exec Corvale.cfg";
        QTest::newRow("missing installation") << "gone"
                                              << "fakegame +exec Corvale.cfg";
        QTest::newRow("not executable") << ""
                                        << "readme.txt +exec Corvale.cfg";
        QTest::newRow("directory") << ""
                                   << "baseq2 +exec Corvale.cfg";
        QTest::newRow("empty command line") << ""
                                            << "";
    }
    void launchFailsWithoutGame() {
        QFETCH(QString, pathSuffix);
        QFETCH(QString, commandLine);
        FakeInstallation installation;
        installation.InstallGame("fakegame");
        installation.AddFile("readme.txt", "#!/bin/sh\n");
        installation.AddDirectory("baseq2");
        Quake2 quake2;
        quake2.SetPath(installation.Path() + pathSuffix);
        QVERIFY(!quake2.Launch(commandLine));
    }

    void settingsReadStoredText_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("expected");
        QTest::newRow("number") << "1000"
                                << "int16"
                                << "1000";
        QTest::newRow("negative with blanks") << " -1 "
                                              << "int16"
                                              << "-1";
        QTest::newRow("too large for 16 bits") << "40000"
                                               << "int16"
                                               << "7";
        QTest::newRow("not a number") << "abc"
                                      << "int16"
                                      << "7";
        QTest::newRow("missing number") << QString() << "int16"
                                        << "7";
        QTest::newRow("true") << "True"
                              << "bool"
                              << "1";
        QTest::newRow("false") << "False"
                               << "bool"
                               << "0";
        QTest::newRow("missing boolean") << QString() << "bool"
                                         << "0";
        QTest::newRow("large number") << "1234567"
                                      << "number"
                                      << "1234567";
        QTest::newRow("missing text") << QString() << "text"
                                      << "default";
        QTest::newRow("empty text") << ""
                                    << "text"
                                    << "";
    }
    void settingsReadStoredText() {
        QFETCH(QString, stored);
        QFETCH(QString, kind);
        QFETCH(QString, expected);
        TemporarySettings settings;
        if (!stored.isNull())
            settings.SetRaw("Options/Key", stored);
        QString read;
        if (kind == "int16")
            read = QString::number(SettingsStore::ReadInt16("Options", "Key", 7));
        else if (kind == "bool")
            read = QString::number(SettingsStore::ReadBool("Options", "Key"));
        else if (kind == "number")
            read = QString::number(SettingsStore::ReadNumber("Options", "Key", 7), 'f', 0);
        else
            read = SettingsStore::ReadText("Options", "Key", "default");
        QCOMPARE(read, expected);
    }

    void settingsWritePlainText() {
        TemporarySettings settings;
        SettingsStore::WriteInt("Settings", "Index", -1);
        SettingsStore::WriteBool("Settings", "Flag", true);
        SettingsStore::WriteNumber("Settings", "Left", 1234567);
        SettingsStore::WriteNumber("Settings", "Ratio", 0.1);
        QCOMPARE(settings.Raw("Settings/Index"), "-1");
        QCOMPARE(settings.Raw("Settings/Flag"), "True");
        QCOMPARE(settings.Raw("Settings/Left"), "1234567");
        QCOMPARE(settings.Raw("Settings/Ratio"), "0.1");
    }
};

QTEST_GUILESS_MAIN(GameTest)
#include "tst_game.moc"
