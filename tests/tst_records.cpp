#include "client/ServerAddr.h"
#include "client/UserProfile.h"
#include "common/ProgramRandom.h"
#include "common/RecordReader.h"
#include "common/RecordWriter.h"
#include "common/ScriptWriter.h"
#include "game/Quake2.h"
#include "server/ServerConfig.h"
#include "support/TestSupport.h"

#include <QTest>

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

const QByteArray kDeathmatchRecord = "\"Deathmatch\"\r\n"
                                     "\"\",1,2,\"noname\",8,0,0,#FALSE#,#FALSE#,#FALSE#\r\n"
                                     "0,\"\",\"\"\r\n"
                                     "16\r\n"
                                     "800,#FALSE#,#FALSE#,\"\"\r\n";

struct Loaded {
    QList<QStringList> fields;
    QByteArray savedAgain;
    bool failed = false;
};

// Loads records the way the record files are read: until the end, stopping
// at the first record that does not load.
template <typename Record> Loaded LoadAs(const QByteArray& bytes) {
    Loaded loaded;
    RecordReader reader(bytes);
    RecordWriter writer;
    while (!reader.AtEnd()) {
        Record record;
        if (!record.LoadFromFile(reader)) {
            loaded.failed = true;
            break;
        }
        record.SaveToFile(writer);
        loaded.fields << Fields(record);
    }
    loaded.savedAgain = writer.Bytes();
    return loaded;
}

Loaded Load(int kind, const QByteArray& bytes) {
    if (kind == Server)
        return LoadAs<ServerConfig>(bytes);
    return kind == Profile ? LoadAs<UserProfile>(bytes) : LoadAs<ServerAddr>(bytes);
}

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

QByteArray Script(const QStringList& lines) {
    return (lines.join("\r\n") + "\r\n").toUtf8();
}

} // namespace

class RecordsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each row is one record as the record file holds it and the fields it
    // reads into. The last text of a record holds no quote: cut between the
    // two quotes of a doubled one, it reads as a closed field at the end of a
    // file whose last line end is missing.
    void recordsReadAndWriteBack_data() {
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
                   "\"xatrix\",2,3,\"Frags, fun, \"\"and\"\" more\",16,50,20,"
                   "#TRUE#,#FALSE#,#TRUE#\r\n"
                   "4,\"q2dm3\",\"my maps.txt\"\r\n"
                   "1048575\r\n"
                   "-400,#FALSE#,#TRUE#,\"set sv_gravity 1\r\nsay hi, all\r\n\r\nexec ü.cfg\"\r\n")
            << Split("Grüße, \"Friday\" night|xatrix|2|3|Frags, fun, \"and\" more|16|50|20|1|0|1|"
                     "4|q2dm3|my maps.txt|1048575|-400|0|1|"
                     "set sv_gravity 1\r\nsay hi, all\r\n\r\nexec ü.cfg");
        QTest::newRow("profile") << int(Profile)
                                 << QByteArray("\"Grüße, \"\"One\"\"\"\r\n\"my config.cfg\"\r\n")
                                 << QStringList{"Grüße, \"One\"", "my config.cfg"};
        QTest::newRow("profile without config file")
            << int(Profile) << QByteArray("\" \"\r\n\"\"\r\n") << QStringList{" ", ""};
        QTest::newRow("address with comma")
            << int(Address) << QByteArray("\"hö,st:27910\"\r\n") << QStringList{"hö,st:27910"};
        QTest::newRow("empty address") << int(Address) << QByteArray("\"\"\r\n") << QStringList{""};
    }
    void recordsReadAndWriteBack() {
        QFETCH(int, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, fields);
        const Loaded loaded = Load(kind, bytes + bytes);
        QVERIFY(!loaded.failed);
        QCOMPARE(loaded.fields, QList<QStringList>({fields, fields}));
        QCOMPARE(loaded.savedAgain, bytes + bytes);
    }

    void everyTruncationKeepsWholeRecords_data() { recordsReadAndWriteBack_data(); }
    void everyTruncationKeepsWholeRecords() {
        QFETCH(int, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, fields);
        const QByteArray file = bytes + bytes + bytes;
        for (qsizetype cut = 0; cut <= file.size(); ++cut) {
            // A record is whole at its closing quote; its line end may be cut off.
            const qsizetype whole = (cut + 2) / bytes.size();
            const bool splitsRecord = whole < 3 && cut > whole * bytes.size();
            const Loaded loaded = Load(kind, file.left(cut));
            const QByteArray where = "cut at byte " + QByteArray::number(cut);
            QVERIFY2(loaded.failed == splitsRecord, where.constData());
            QVERIFY2(loaded.fields == QList<QStringList>(whole, fields), where.constData());
        }
    }

    void newRecordHoldsDefaults() {
        ServerConfig fresh;
        fresh.ID = "Deathmatch";
        ServerConfig reset = WorkedExample();
        reset.ID = "Deathmatch";
        reset.LoadDefaults();
        for (const ServerConfig& record : {fresh, reset}) {
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
        QStringList coopLines = kWorkedExampleScript;
        coopLines.remove(2, 5);
        coopLines.replace(0, "set deathmatch\t0");
        coopLines.replace(1, "set coop\t1");
        coopLines.replace(coopLines.size() - 1, "load save3");
        QTest::newRow("coop from a saved game") << coop << coopLines;

        ServerConfig extra = WorkedExample();
        extra.ExtraCommands = "set sv_maplist q2dm1\r\nsay \"ready\"";
        QStringList extraLines = kWorkedExampleScript;
        extraLines.replace(14, "set sv_maplist q2dm1");
        extraLines.insert(15, "say \"ready\"");
        QTest::newRow("two lines of extra commands") << extra << extraLines;

        ServerConfig changed = WorkedExample();
        changed.Gravity = -250;
        changed.DmFlags = 1048575;
        changed.MapMode = ServerConfig::NewGame;
        QStringList changedLines = kWorkedExampleScript;
        changedLines.replace(6, "set dmflags\t1048575");
        changedLines.replace(11, "set gravity\t-250");
        changedLines.replace(16, "newgame");
        QTest::newRow("negative gravity, every flag, new game") << changed << changedLines;
    }
    void serverScript() {
        QFETCH(ServerConfig, record);
        QFETCH(QStringList, lines);
        ScriptWriter script;
        record.WriteToConfigFile(script, Quake2());
        QCOMPARE(script.Bytes(), Script(lines));
    }

    void profileScript() {
        ScriptWriter script;
        UserProfile{"Player", "my config.cfg"}.WriteToConfigFile(script);
        UserProfile{"No config", ""}.WriteToConfigFile(script);
        QCOMPARE(script.Bytes(), QByteArray("exec my config.cfg\r\n\r\n"));
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
        QVERIFY(mapLine.isEmpty() || expected.contains(mapLine.mid(4)));
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

    void serverAddressSplitsAtFirstColon_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("addr");
        QTest::addColumn<QString>("port");
        const auto row = [](const char* name, QString id, QString addr, QString port) {
            QTest::newRow(name) << id << addr << port;
        };
        row("address and port", "q2.example.net:27910", "q2.example.net", "27910");
        row("no port", "10.0.0.1", "10.0.0.1", "");
        row("colon at the end", "host:", "host", "");
        row("colon at the start", ":27910", "", "27910");
        row("two colons", "a:b:c", "a", "b:c");
        row("blank is no separator", "host 27910", "host 27910", "");
        row("empty", "", "", "");
    }
    void serverAddressSplitsAtFirstColon() {
        QFETCH(QString, id);
        QFETCH(QString, addr);
        QFETCH(QString, port);
        const ServerAddr address{id};
        QCOMPARE(address.Addr(), addr);
        QCOMPARE(address.Port(), port);
    }
};

QTEST_GUILESS_MAIN(RecordsTest)
#include "tst_records.moc"
