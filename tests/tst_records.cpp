#include "app/Launcher.h"
#include "common/RecordLoad.h"
#include "common/RecordWriter.h"
#include "common/ScriptWriter.h"
#include "game/Quake2.h"
#include "platform/SettingsStore.h"
#include "support/TestSupport.h"

#include <QStringEncoder>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

Q_DECLARE_METATYPE(ServerConfig)

namespace {

enum RecordKind { Server, Profile, Address };

QStringList Fields(const ServerConfig& s) {
    const auto n = [](qint64 value) { return QString::number(value); };
    return QStringList{s.ID, s.Game}
           << n(s.PlayerMode) << n(s.Difficulty) << s.ServerName << n(s.MaxClients)
           << n(s.FragLimit) << n(s.TimeLimit) << n(s.EnableCheats) << n(s.AllowDownload)
           << n(s.LogConsole) << n(s.MapMode) << s.MapName << s.MapList << n(s.DmFlags)
           << n(s.Gravity) << n(s.Public) << n(s.SelectEmpty) << s.ExtraCommands;
}
QStringList Fields(const UserProfile& profile) {
    return {profile.ID, profile.ConfigFile};
}
QStringList Fields(const ServerAddr& address) {
    return {address.ID};
}
template <typename Record> QList<QStringList> Fields(const std::vector<Record>& records) {
    QList<QStringList> fields;
    for (const Record& record : records)
        fields << Fields(record);
    return fields;
}

// Loads records of one kind from bytes; error receives the reason a load
// was not whole and clean.
QList<QStringList> LoadFields(int kind, const QByteArray& bytes, QString& error) {
    const auto load = [&](auto records) {
        error = LoadRecords(bytes, records).Error();
        return Fields(records);
    };
    return kind == Server    ? load(std::vector<ServerConfig>())
           : kind == Profile ? load(std::vector<UserProfile>())
                             : load(std::vector<ServerAddr>());
}

const QByteArray kDeathmatchRecord = "\"Deathmatch\"\r\n"
                                     "\"\",1,2,\"noname\",8,0,0,#FALSE#,#FALSE#,#FALSE#\r\n"
                                     "0,\"\",\"\"\r\n"
                                     "16\r\n"
                                     "800,#FALSE#,#FALSE#,\"\"\r\n";

// The launcher's three record files in a temporary folder.
struct RecordFiles {
    TemporarySettings settings;
    FakeInstallation folder;
    Quake2 game;
    Launcher launcher{game};

    RecordFiles() {
        launcher.ReadSettings(SettingsStore());
        launcher.SetFiles({Path(Profile), Path(Server), Path(Address)});
    }
    QString Path(int kind) const {
        const char* names[] = {"cvservers.dat", "cvclients.dat", "cvremotes.dat"};
        return folder.Absolute(names[kind]);
    }
    // Loads every file after giving the file of that kind these bytes.
    Result<> Load(int kind, const QByteArray& bytes) {
        folder.AddFile(QFileInfo(Path(kind)).fileName(), bytes);
        return launcher.LoadCollections();
    }
    QList<QStringList> Loaded(int kind) const {
        if (kind == Server)
            return Fields(launcher.Servers());
        return kind == Profile ? Fields(launcher.Clients()) : Fields(launcher.RemoteServers());
    }
};

// Lowers the largest file this process may write, as a full disk would.
struct FileSizeLimit {
    rlimit saved{};
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit lowered{bytes, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved); }
};

} // namespace

class RecordsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A write over the size limit fails instead of ending the process.
    void initTestCase() { std::signal(SIGXFSZ, SIG_IGN); }

    // Each row is one record as its file holds it and the fields it reads
    // into; the last text of each holds a doubled quote, as a cut file can
    // end inside one.
    void recordFiles_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("server, every field set")
            << int(Server)
            << QByteArray(
                   "\"Grüße, \"\"Friday\"\" night\"\r\n"
                   "\"xatrix\",2,3,\"Frags, fun, \"\"and\"\" more\",16,32767,20,"
                   "#TRUE#,#FALSE#,#TRUE#\r\n"
                   "4,\"q2dm3\",\"my maps.txt\"\r\n"
                   "1048575\r\n"
                   "-32768,#FALSE#,#TRUE#,\"set sv_gravity 1\r\nsay \"\"hi\"\", all\r\n\r\nexec "
                   "\"\"ü.cfg\"\"\"\r\n")
            << QStringList({"Grüße, \"Friday\" night", "xatrix", "2", "3",
                            "Frags, fun, \"and\" more", "16", "32767", "20", "1", "0", "1", "4",
                            "q2dm3", "my maps.txt", "1048575", "-32768", "0", "1",
                            "set sv_gravity 1\r\nsay \"hi\", all\r\n\r\nexec \"ü.cfg\""});
        QTest::newRow("profile, text beginning with U+FEFF")
            << int(Profile)
            << QByteArray("\"\xEF\xBB\xBFGrüße, \"\"One\"\"\"\r\n\"my \"\"1\"\".cfg\"\r\n")
            << QStringList{QStringLiteral("\uFEFFGrüße, \"One\""), "my \"1\".cfg"};
        QTest::newRow("address with comma")
            << int(Address) << QByteArray("\"hö,Жst:27910 \"\"lan\"\" 😀\"\r\n")
            << QStringList{"hö,Жst:27910 \"lan\" 😀"};
    }
    void recordFiles() {
        QFETCH(int, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, fields);
        RecordFiles files;
        QVERIFY(files.Load(kind, bytes + bytes));
        QCOMPARE(files.Loaded(kind), QList<QStringList>({fields, fields}));
        QVERIFY(files.launcher.SaveCollections());
        QCOMPARE(FileBytes(files.Path(kind)), bytes + bytes);
        QVERIFY(QFile::exists(files.Path((kind + 1) % 3))); // had none: made
        // A new record holds the defaults.
        ServerConfig fresh;
        fresh.ID = "Deathmatch";
        RecordWriter writer;
        fresh.SaveToFile(writer);
        QCOMPARE(writer.Bytes(), kDeathmatchRecord);
    }

    // A lone surrogate is no character and has no UTF-8 form: it is written
    // as "?", never as bytes that no reader takes; a pair is one 4-byte one.
    void recordWriterWritesOnlyUtf8() {
        RecordWriter writer;
        writer.Text(QStringLiteral("\U0001F600") + QChar(0xD83D) + u'x' + QChar(0xDE00) +
                    QChar(0xD83D));
        QCOMPARE(writer.Bytes(), QByteArray("\"\xF0\x9F\x98\x80?x??\""));
    }

    // A file cut at any byte gives exactly the records complete before the
    // cut, and a report unless the cut fell on a record's line end. A cut
    // right after a closing quote may have split a doubled quote: that record
    // counts as cut off.
    void everyTruncationKeepsWholeRecords_data() { recordFiles_data(); }
    void everyTruncationKeepsWholeRecords() {
        QFETCH(int, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, fields);
        const QByteArray file = bytes + bytes + bytes;
        for (qsizetype cut = 0; cut <= file.size(); ++cut) {
            const qsizetype whole = (cut + 1) / bytes.size();
            const bool atLineEnd = cut % bytes.size() == 0 || (cut + 1) % bytes.size() == 0;
            QString error;
            const QList<QStringList> loaded = LoadFields(kind, file.left(cut), error);
            const QByteArray where = "cut at byte " + QByteArray::number(cut);
            QVERIFY2(loaded == QList<QStringList>(whole, fields), where.constData());
            QVERIFY2(error.isEmpty() == atLineEnd, where.constData());
        }
    }

    // A save or a launch script that runs out of room part way is reported
    // with its file, keeps the old file and leaves nothing beside it: over
    // 16 KiB the file is written at once, below that only when it is flushed.
    void failedSaveKeepsTheOldFile() {
        for (int size : {20000, 100}) {
            RecordFiles files;
            const QByteArray old = "\"kept\"\r\n\"\"\r\n";
            QVERIFY(files.Load(Profile, old));
            files.launcher.Clients().push_back({QString(size, u'x'), QString(size, u'x')});
            files.folder.AddFile("baseq2/Corvale.cfg", old);
            files.folder.AddFile("quake2", "");
            files.game.SetPath(files.folder.Path());
            files.game.SetExecutable("quake2");
            const Result<LaunchPlan> plan = files.launcher.Plan(1, -1, ServerConfig());
            QVERIFY(plan);
            Result<> saved, launched;
            {
                FileSizeLimit limit(old.size() + 1);
                saved = files.launcher.SaveCollections();
                launched = Launcher::WriteLaunchConfig(*plan);
            }
            QCOMPARE(FileBytes(files.Path(Profile)), old);
            QVERIFY(saved.Error().contains(files.Path(Profile)));
            QVERIFY(launched.Error().contains(plan->scriptPath));
            QCOMPARE(FileBytes(files.folder.Absolute("baseq2/Corvale.cfg")), old);
            QCOMPARE(QDir(files.folder.Absolute("baseq2")).entryList(QDir::Files),
                     QStringList{"Corvale.cfg"});
        }
    }

    // Hand-written files load as they read and stay. Text that is not all
    // UTF-8 is decoded field by field; every record is kept, and the load
    // reports it so that the original is kept; the file is written anew.
    void foreignEncodingsKeepEveryRecord_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("addresses");
        QTest::addColumn<QString>("error");
        const auto utf16 = [](const char* byteOrderMark, QStringConverter::Encoding encoding) {
            return byteOrderMark + QStringEncoder(encoding).encode(u"\"Grüße\"\r\n\"€\"\r\n");
        };
        QTest::newRow("hand-written") << QByteArray("\xEF\xBB\xBF  plain text \r\"x,y\"  \n\r\n")
                                      << QStringList{"plain text", "x,y"} << QString();
        QTest::newRow("one Windows-1252 record")
            << QByteArray("\"Grüße\"\r\n\"caf\xe9 \x80 \x93x\x94\"\r\n\"ü\"\r\n")
            << QStringList{"Grüße", "café € “x”", "ü"}
            << "line 2 is not UTF-8 and was read as Windows-1252";
        QTest::newRow("UTF-16 LE") << utf16("\xFF\xFE", QStringConverter::Utf16LE)
                                   << QStringList{"Grüße", "€"} << "the file is in UTF-16";
    }
    void foreignEncodingsKeepEveryRecord() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, addresses);
        QFETCH(QString, error);
        RecordFiles files;
        const Result<> loaded = files.Load(Address, bytes);
        QCOMPARE(files.Loaded(Address), QList<QStringList>(addresses.cbegin(), addresses.cend()));
        QVERIFY2(loaded.Error().contains(error), qPrintable(loaded.Error()));
        QVERIFY(files.launcher.SaveCollections());
        QCOMPARE(FileBytes(files.Path(Address)) == bytes, error.isEmpty());
    }

    // A damaged second record is reported with the reason and its line
    // (counted across a text that spans two); the first record is kept.
    void damagedRecordsAreReported_data() {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QString>("error");
        const auto row = [](QByteArray from, QByteArray to, QString error) {
            QTest::newRow(error.toUtf8()) << from << to << error;
        };
        row(",8,", ",x,", "line 8: \"x\" is not a number");
        row(",8,", ",40000,", "line 8: number 40000 is out of range");
        row("#FALSE#", "#FAL#", "line 8: \"#FAL#\" is not #TRUE# or #FALSE#");
        row(",8,", ",1\0xyz,"_qba, "line 8: a NUL byte");
        row("\"noname\"", "\"noname\" x", "line 8: text after a closing quote");
        row("\"Deathmatch\"", "\"Deathmatch", "line 7: text after a closing quote");
        row(",8,", ",\"" + QByteArray("x\n").repeated(1000) + "\",",
            "line 8: \"" + QString("x ").repeated(40) + "…\" is not a number");
    }
    void damagedRecordsAreReported() {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, error);
        RecordFiles files;
        const QByteArray first = kDeathmatchRecord.chopped(4) + "\"say a\r\nsay b\"\r\n";
        const QByteArray damaged = QByteArray(kDeathmatchRecord).replace(from, to);
        const Result<> loaded = files.Load(Server, first + damaged);
        QCOMPARE(files.Loaded(Server).size(), 1);
        QVERIFY2(loaded.Error().contains(error), qPrintable(loaded.Error()));
        QCOMPARE(FileBytes(files.Path(Server) + ".bak"), first + damaged);
        QVERIFY(files.launcher.SaveCollections());
        QCOMPARE(FileBytes(files.Path(Server)), first);
    }

    // Every row tells the five switches apart: each has its own pattern of
    // on and off over the first three rows. No two numbers are alike.
    void serverScript_data() {
        QTest::addColumn<ServerConfig>("record");
        QTest::addColumn<QStringList>("lines");
        using S = ServerConfig;
        const auto row = [](const char* tag, ServerConfig record, QStringList lines) {
            QTest::newRow(tag) << record << lines;
        };
        row("deathmatch",
            {.PlayerMode = S::Deathmatch,
             .ServerName = " Frag fest ",
             .MaxClients = 9,
             .FragLimit = 20,
             .TimeLimit = 15,
             .EnableCheats = true,
             .LogConsole = true,
             .MapMode = S::SpecificMap,
             .MapName = "q2dm1",
             .DmFlags = 1048575,
             .Gravity = -800,
             .SelectEmpty = true,
             .ExtraCommands = "set sv_maplist q2dm1\r\nsay \"ready\""},
            {"set deathmatch\t1", "set coop\t0", "set hostname\t\" Frag fest \"",
             "set maxclients\t9", "set fraglimit\t20", "set timelimit\t15", "set dmflags\t1048575",
             "set skill\t2", "set cheats\t1", "set allow_download\t0", "set logfile\t1",
             "set gravity\t-800", "set public\t0", "set g_select_empty\t1", "set sv_maplist q2dm1",
             "say \"ready\"", "", "map q2dm1"});
        row("coop",
            {.PlayerMode = S::Coop,
             .Difficulty = 1,
             .AllowDownload = true,
             .LogConsole = true,
             .MapMode = S::LoadSavedGame,
             .MapName = "save3",
             .Gravity = 400},
            {"set deathmatch\t0", "set coop\t1", "set skill\t1", "set cheats\t0",
             "set allow_download\t1", "set logfile\t1", "set gravity\t400", "set public\t0",
             "set g_select_empty\t0", "", "", "load save3"});
        row("single player",
            {.PlayerMode = S::SinglePlayer,
             .Difficulty = 3,
             .MapMode = S::NewGame,
             .Gravity = 0,
             .Public = true,
             .SelectEmpty = true},
            {"set deathmatch\t0", "set coop\t0", "set skill\t3", "set cheats\t0",
             "set allow_download\t0", "set logfile\t0", "set gravity\t0", "set public\t1",
             "set g_select_empty\t1", "", "", "newgame"});
        row("unknown player mode", {.PlayerMode = 3, .Difficulty = 0},
            {"set skill\t0", "set cheats\t0", "set allow_download\t0", "set logfile\t0",
             "set gravity\t800", "set public\t0", "set g_select_empty\t0", "", ""});
    }
    void serverScript() {
        QFETCH(ServerConfig, record);
        QFETCH(QStringList, lines);
        ScriptWriter script;
        QVERIFY(record.WriteToConfigFile(script, Quake2()));
        QCOMPARE(script.Bytes(), (lines.join("\r\n") + "\r\n").toUtf8());
    }

    // The maps a list names for the game folder given, and the random map
    // line drawn from them; an empty list writes no map line. A built-in list
    // is the game's, known here by its opening levels; a list name is compared
    // exactly and "xatrix" only whole. baseq2/maps holds q2dm1.bsp, Base9.BSP
    // and q2dm1.txt; the list file, where given, holds the list text.
    void mapLists_data() {
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("mapList");
        QTest::addColumn<QString>("listFile");
        QTest::addColumn<QByteArray>("listText");
        QTest::addColumn<QStringList>("maps");
        QTest::addColumn<bool>("opening"); // the list begins with the maps
        const auto builtIn = [](const char* tag, QString game, QString mapList, QStringList maps) {
            QTest::newRow(tag) << game << mapList << QString() << QByteArray() << maps << true;
        };
        const auto row = [](const char* tag, QString game, QString mapList, QString listFile,
                            QByteArray listText, QStringList maps) {
            QTest::newRow(tag) << game << mapList << listFile << listText << maps << false;
        };
        const QString sp = "Single Player Levels", dm = "Deathmatch Levels";
        builtIn("single player", "", sp, {"base1", "base2"});
        builtIn("mission pack single player", "xatrix", sp, {"xswamp", "xsewer1"});
        builtIn("deathmatch", "ctf", dm, {"q2dm1", "q2dm2"});
        builtIn("mission pack deathmatch", "xatrix", dm, {"xdm1", "xdm2"});
        builtIn("mission pack in capitals", "XATRIX", dm, {"q2dm1", "q2dm2"});
        builtIn("mission pack name as a prefix", "xatrix2", sp, {"base1", "base2"});
        row("custom maps", "ctf", "Custom Maps", "", "", {"Base9", "q2dm1"});
        row("custom maps in other case is a file", "", "custom maps", "baseq2/custom maps", "q2dm7",
            {"q2dm7"});
        row("blanks, quotes, empty names, byte order mark", "ctf", "dm.txt", "baseq2/dm.txt",
            "\xEF\xBB\xBF base1 ,,\"base 2, east\"\r\n\nbase3,",
            {"base1", "base 2, east", "base3"});
        row("list file nowhere", "ctf", "dm.txt", "", "", {});
    }
    void mapLists() {
        QFETCH(QString, game);
        QFETCH(QString, mapList);
        QFETCH(QString, listFile);
        QFETCH(QByteArray, listText);
        QFETCH(QStringList, maps);
        FakeInstallation installation;
        for (const char* map : {"q2dm1.bsp", "Base9.BSP", "q2dm1.txt"})
            installation.AddFile(QStringLiteral("baseq2/maps/") + map);
        if (!listFile.isEmpty())
            installation.AddFile(listFile, listText);
        Quake2 quake2;
        quake2.SetPath(installation.Path());
        quake2.SetGame(game);
        const QStringList list =
            *ServerConfig::GetMapList(ServerConfig::MapListKind(mapList), mapList, quake2);
        QFETCH(bool, opening);
        QCOMPARE(opening ? list.mid(0, maps.size()) : list, maps);

        ServerConfig record;
        record.MapMode = ServerConfig::RandomMap;
        record.MapList = mapList;
        ScriptWriter script;
        QVERIFY(record.WriteToConfigFile(script, quake2));
        const QString mapLine = QString::fromUtf8(script.Bytes()).split("\r\n").value(16);
        QCOMPARE(mapLine.isEmpty(), list.isEmpty());
        QVERIFY(mapLine.isEmpty() || list.contains(mapLine.mid(4).remove(u'"')));
    }

    // A map list file that cannot be read is reported with its path, by the
    // list and by the launch script alike, not taken as an empty list.
    void unreadableMapList() {
        FakeInstallation installation;
        installation.AddDirectory("baseq2");
        QVERIFY(QFile::link("/proc/self/mem", installation.Absolute("baseq2/dm.txt")));
        Quake2 quake2;
        quake2.SetPath(installation.Path());
        const Result<QStringList> list = ServerConfig::GetMapList(std::nullopt, "dm.txt", quake2);
        QVERIFY2(list.Error().startsWith("The map list " + installation.Absolute("baseq2/dm.txt")),
                 qPrintable(list.Error()));
        const ServerConfig record{.MapMode = ServerConfig::RandomMap, .MapList = "dm.txt"};
        ScriptWriter script;
        QCOMPARE(record.WriteToConfigFile(script, quake2).Error(), list.Error());
    }
};

QTEST_GUILESS_MAIN(RecordsTest)
#include "tst_records.moc"
