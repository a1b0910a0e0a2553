#include "app/Launcher.h"
#include "common/ProgramRandom.h"
#include "common/RecordLoad.h"
#include "common/RecordWriter.h"
#include "common/ScriptWriter.h"
#include "game/Quake2.h"
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
template <typename Record> QList<QStringList> LoadFields(const QByteArray& bytes, QString& error) {
    std::vector<Record> records;
    const Result<> loaded = LoadRecords(bytes, records);
    error = loaded.Error();
    return Fields(records);
}
QList<QStringList> LoadFields(int kind, const QByteArray& bytes, QString& error) {
    if (kind == Server)
        return LoadFields<ServerConfig>(bytes, error);
    return kind == Profile ? LoadFields<UserProfile>(bytes, error)
                           : LoadFields<ServerAddr>(bytes, error);
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
        launcher.mClientFile = Path(Profile);
        launcher.mServerFile = Path(Server);
        launcher.mRemoteServerFile = Path(Address);
    }
    QString Path(int kind) const {
        const char* names[] = {"cvservers.dat", "cvclients.dat", "cvremotes.dat"};
        return folder.Absolute(names[kind]);
    }
    // Loads every file after giving the file of that kind these bytes;
    // returns the problems reported.
    QStringList Load(int kind, const QByteArray& bytes) {
        folder.AddFile(QFileInfo(Path(kind)).fileName(), bytes);
        return launcher.LoadCollections();
    }
    QList<QStringList> Loaded(int kind) const {
        if (kind == Server)
            return Fields(launcher.mServers);
        return kind == Profile ? Fields(launcher.mClients) : Fields(launcher.mRemoteServers);
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

ServerConfig WorkedExample() {
    ServerConfig record;
    record.FragLimit = 20;
    record.TimeLimit = 15;
    record.DmFlags = 20;
    record.AllowDownload = true;
    record.MapMode = ServerConfig::SpecificMap;
    record.MapName = "q2dm1";
    return record;
}

// Lists of short texts written as one text, split at "|".
QStringList Split(const char* texts) {
    return QString::fromUtf8(texts).split(u'|');
}

const QStringList kWorkedExampleScript =
    Split("set deathmatch\t1|set coop\t0|set hostname\tnoname|set maxclients\t8|"
          "set fraglimit\t20|set timelimit\t15|set dmflags\t20|set skill\t2|set cheats\t0|"
          "set allow_download\t1|set logfile\t0|set gravity\t800|set public\t0|"
          "set g_select_empty\t0|||map q2dm1");

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
        QTest::newRow("server defaults")
            << int(Server) << kDeathmatchRecord
            << Split("Deathmatch||1|2|noname|8|0|0|0|0|0|0|||16|800|0|0|");
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
            << Split("Grüße, \"Friday\" night|xatrix|2|3|Frags, fun, \"and\" more|16|32767|20|1|0|"
                     "1|4|q2dm3|my maps.txt|1048575|-32768|0|1|"
                     "set sv_gravity 1\r\nsay \"hi\", all\r\n\r\nexec \"ü.cfg\"");
        QTest::newRow("profile") << int(Profile)
                                 << QByteArray("\"Grüße, \"\"One\"\"\"\r\n\"my \"\"1\"\".cfg\"\r\n")
                                 << QStringList{"Grüße, \"One\"", "my \"1\".cfg"};
        QTest::newRow("profile without config file")
            << int(Profile) << QByteArray("\" \"\r\n\"\"\r\n") << QStringList{" ", ""};
        QTest::newRow("address with comma")
            << int(Address) << QByteArray("\"hö,st:27910 \"\"lan\"\"\"\r\n")
            << QStringList{"hö,st:27910 \"lan\""};
        QTest::newRow("empty address") << int(Address) << QByteArray("\"\"\r\n") << QStringList{""};
    }
    void recordFiles() {
        QFETCH(int, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, fields);
        RecordFiles files;
        QCOMPARE(files.Load(kind, bytes + bytes), QStringList());
        QCOMPARE(files.Loaded(kind), QList<QStringList>({fields, fields}));
        QCOMPARE(files.launcher.SaveCollections(), QStringList());
        QCOMPARE(FileBytes(files.Path(kind)), bytes + bytes);
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

    // A save that runs out of room: over 16 KiB the record file is written at
    // once, below that only when the save is committed.
    void failedSaveKeepsTheOldFile_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("large save") << 20000;
        QTest::newRow("small save") << 100;
    }
    void failedSaveKeepsTheOldFile() {
        QFETCH(int, size);
        RecordFiles files;
        const QByteArray old = "\"kept\"\r\n\"\"\r\n";
        files.Load(Profile, old);
        files.launcher.mClients.push_back({QString(size, u'x'), QString()});
        QStringList problems;
        {
            FileSizeLimit limit(old.size() + 1);
            problems = files.launcher.SaveCollections();
        }
        QCOMPARE(FileBytes(files.Path(Profile)), old);
        QCOMPARE(problems.size(), 1);
        QVERIFY(problems.first().contains(files.Path(Profile)));
    }

    void readsHandWrittenFields() {
        RecordReader reader("\xEF\xBB\xBF  plain text , +012 ,\"x,y\"  \n #TRUE#,\"caf\xe9\"\r-7");
        QString plain, quoted, windows1252;
        qint16 number = 0;
        qint32 negative = 0;
        bool flag = false;
        QVERIFY(reader.Text(plain) && reader.Int16(number) && reader.Text(quoted) &&
                reader.Bool(flag) && reader.Text(windows1252) && reader.Int32(negative));
        QCOMPARE(QStringList({plain, quoted, windows1252}),
                 QStringList({"plain text", "x,y", "café"}));
        QCOMPARE(QList<int>({number, negative}), QList<int>({12, -7}));
        QVERIFY(flag);
        QVERIFY(reader.AtEnd());
    }

    // Text that is not all UTF-8 is decoded field by field; every record is
    // kept, and the load reports it so that the original is kept.
    void foreignEncodingsKeepEveryRecord_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("addresses");
        QTest::addColumn<QString>("error");
        const auto utf16 = [](const char* byteOrderMark, QStringConverter::Encoding encoding) {
            return byteOrderMark + QStringEncoder(encoding).encode(u"\"Grüße\"\r\n\"€\"\r\n");
        };
        QTest::newRow("one Windows-1252 record")
            << QByteArray("\"Grüße\"\r\n\"caf\xe9 \x80 \x93x\x94\"\r\n\"ü\"\r\n")
            << QStringList{"Grüße", "café € “x”", "ü"}
            << "line 2 is not UTF-8 and was read as Windows-1252";
        QTest::newRow("UTF-16 LE") << utf16("\xFF\xFE", QStringConverter::Utf16LE)
                                   << QStringList{"Grüße", "€"} << "the file is in UTF-16";
        QTest::newRow("UTF-16 BE") << utf16("\xFE\xFF", QStringConverter::Utf16BE)
                                   << QStringList{"Grüße", "€"} << "the file is in UTF-16";
    }
    void foreignEncodingsKeepEveryRecord() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, addresses);
        QFETCH(QString, error);
        QString reported;
        QCOMPARE(LoadFields(Address, bytes, reported),
                 QList<QStringList>(addresses.cbegin(), addresses.cend()));
        QCOMPARE(reported, error);
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
        row("16", "4294967296", "line 10: number 4294967296 is out of range");
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
        const QStringList problems = files.Load(Server, first + damaged);
        QCOMPARE(files.Loaded(Server).size(), 1);
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems.first().contains(error), qPrintable(problems.first()));
        QCOMPARE(FileBytes(files.Path(Server) + ".bak"), first + damaged);
    }

    void newRecordHoldsDefaults() {
        ServerConfig fresh;
        ServerConfig reset = WorkedExample();
        reset.LoadDefaults();
        for (ServerConfig record : {fresh, reset}) {
            record.ID = "Deathmatch";
            RecordWriter writer;
            record.SaveToFile(writer);
            QCOMPARE(writer.Bytes(), kDeathmatchRecord);
        }
    }

    void serverScript_data() {
        QTest::addColumn<ServerConfig>("record");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("worked example") << WorkedExample() << kWorkedExampleScript;

        ServerConfig single;
        single.PlayerMode = ServerConfig::SinglePlayer;
        QTest::newRow("single player defaults")
            << single
            << Split("set deathmatch\t0|set coop\t0|set skill\t2|set cheats\t0|"
                     "set allow_download\t0|set logfile\t0|set gravity\t800|set public\t0|"
                     "set g_select_empty\t0||");

        ServerConfig coop = WorkedExample();
        coop.PlayerMode = ServerConfig::Coop;
        coop.MapMode = ServerConfig::LoadSavedGame;
        coop.MapName = "save3";
        coop.ExtraCommands = "set sv_maplist q2dm1\r\nsay \"ready\"";
        QStringList coopLines = kWorkedExampleScript;
        coopLines.replace(14, "set sv_maplist q2dm1");
        coopLines.insert(15, "say \"ready\"");
        coopLines.remove(2, 5);
        coopLines.replace(0, "set deathmatch\t0");
        coopLines.replace(1, "set coop\t1");
        coopLines.replace(coopLines.size() - 1, "load save3");
        QTest::newRow("coop from a saved game, two lines of extra commands") << coop << coopLines;
    }
    void serverScript() {
        QFETCH(ServerConfig, record);
        QFETCH(QStringList, lines);
        ScriptWriter script;
        record.WriteToConfigFile(script, Quake2());
        QCOMPARE(script.Bytes(), (lines.join("\r\n") + "\r\n").toUtf8());
    }

    // The map list a random map comes from; an empty list writes no map line.
    void mapLists_data() {
        QTest::addColumn<QString>("mapList");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char* name, QString mapList, QStringList files,
                            QStringList expected) {
            QTest::newRow(name) << mapList << files << expected;
        };
        row("list file", "dm.txt", {"baseq2/dm.txt=base1,base2\r\nbase3"},
            {"base1", "base2", "base3"});
        row("blanks, quotes, empty names", "dm.txt",
            {"baseq2/dm.txt= base1 ,,\"base 2, east\"\n\nbase3,"},
            {"base1", "base 2, east", "base3"});
        row("byte order mark", "dm.txt", {"baseq2/dm.txt=\uFEFFbase1\r\n"}, {"base1"});
        row("mod list first", "dm.txt", {"baseq2/dm.txt=base1", "ctf/dm.txt=q2ctf1"}, {"q2ctf1"});
        row("list file nowhere", "dm.txt", {}, {});
        row("empty list file", "dm.txt", {"baseq2/dm.txt="}, {});
        row("list is a directory", "maps", {"baseq2/maps/q2dm1.bsp="}, {});
        row("no list named", "", {}, {});
        row("custom maps", "Custom Maps", {"baseq2/maps/q2dm1.bsp=", "baseq2/maps/Base9.BSP="},
            {"Base9", "q2dm1"});
        row("no custom maps", "Custom Maps", {}, {});
    }
    void mapLists() {
        QFETCH(QString, mapList);
        QFETCH(QStringList, files);
        QFETCH(QStringList, expected);
        FakeInstallation installation;
        for (const QString& file : files)
            installation.AddFile(file.section(u'=', 0, 0), file.section(u'=', 1).toUtf8());
        Quake2 quake2;
        quake2.SetPath(installation.Path());
        quake2.SetGame("ctf");
        QCOMPARE(ServerConfig::GetMapList(ServerConfig::MapListKind(mapList), mapList, quake2),
                 expected);

        ServerConfig record;
        record.MapMode = ServerConfig::RandomMap;
        record.MapList = mapList;
        ScriptWriter script;
        record.WriteToConfigFile(script, quake2);
        const QString mapLine = QString::fromUtf8(script.Bytes()).split("\r\n").value(16);
        QCOMPARE(mapLine.isEmpty(), expected.isEmpty());
        QVERIFY(mapLine.isEmpty() || expected.contains(mapLine.mid(4).remove(u'"')));
    }

    void randomMapsAreUniform() {
        Quake2 quake2;
        ServerConfig record;
        record.MapList = "Deathmatch Levels";
        const QStringList pool = quake2.ListMaps(1);
        QHash<QString, int> counts;
        ProgramRandom::Seed(20240611);
        for (int draw = 0; draw < 1000 * pool.size(); ++draw)
            ++counts[record.PickRandomMap(quake2)];
        QCOMPARE(counts.size(), pool.size());
        double chiSquare = 0;
        for (const QString& map : pool)
            chiSquare += (counts.value(map) - 1000.0) * (counts.value(map) - 1000.0) / 1000.0;
        // The 0.1 % point of chi-square for 7 degrees of freedom.
        QVERIFY2(chiSquare < 24.32, qPrintable(QString::number(chiSquare)));
    }

    void serverAddressSplitsAtFirstColon() {
        // Each case: the address as typed, then its address and port parts.
        const QStringList cases[] = {{"q2.example.net:27910", "q2.example.net", "27910"},
                                     {"10.0.0.1", "10.0.0.1", ""},
                                     {":27910", "", "27910"},
                                     {"a:b:c", "a", "b:c"}};
        for (const QStringList& parts : cases) {
            const ServerAddr address{parts[0]};
            QCOMPARE(QStringList({parts[0], address.Addr(), address.Port()}), parts);
        }
    }
};

QTEST_GUILESS_MAIN(RecordsTest)
#include "tst_records.moc"
