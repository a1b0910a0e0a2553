#include "finder/BrowseCommand.h"
#include "finder/EntryFilter.h"
#include "finder/HttpListSource.h"
#include "finder/LanSource.h"
#include "finder/ServerFinder.h"
#include "finder/UdpMasterSource.h"
#include "status/StatusFormat.h"
#include "support/FakeGameServers.h"
#include "support/FakeMasters.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkDatagram>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTextStream>

using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

namespace {

struct SourceRun {
    QStringList found;
    SourceResult result;
};

SourceRun Run(FinderSource& source) {
    SourceRun run;
    QObject::connect(&source, &FinderSource::ServersFound, [&](const QList<ServerEndpoint>& list) {
        for (const ServerEndpoint& server : list)
            run.found << server.ToString();
    });
    QSignalSpy done(&source, &FinderSource::Done);
    source.Start();
    if (!done.wait(5000))
        qWarning("the source did not finish");
    run.result = source.Result();
    return run;
}

QString Local(quint16 port) {
    return u"127.0.0.1:%1"_s.arg(port);
}

QStringList Sorted(QStringList list) {
    list.sort();
    return list;
}

} // namespace

class tst_finder : public QObject {
    Q_OBJECT
    FakeGameServers mGames;
    FakeHttpServer mHttp;

    // A finder with short timeouts that records what it reports.
    struct Search {
        ServerFinder finder;
        QStringList found;
        QHash<QString, ServerStatus> statuses;
        int statusCount = 0;
        explicit Search(const FinderSources& sources) {
            finder.SetSources(sources);
            finder.SetTimeout(300ms);
            finder.SetSourceTimeout(300ms);
            connect(&finder, &ServerFinder::ServerFound, [this](const QString& s) { found << s; });
            connect(&finder, &ServerFinder::StatusReceived, [this](const ServerStatus& status) {
                statuses.insert(status.address, status);
                ++statusCount;
            });
        }
        bool Run() {
            QSignalSpy finished(&finder, &ServerFinder::Finished);
            finder.Start();
            return finished.wait(5000);
        }
    };

private Q_SLOTS:
    void masterReplies_data() {
        QTest::addColumn<QList<QByteArray>>("datagrams");
        QTest::addColumn<bool>("fromOtherPort");
        QTest::addColumn<SourceState>("state");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* tag, QList<QByteArray> datagrams, SourceState state,
                            int count, QStringList first, QString text,
                            bool fromOtherPort = false) {
            QTest::newRow(tag) << datagrams << fromOtherPort << state << count << first << text;
        };
        const QStringList three{u"127.0.0.1:27910"_s, u"127.0.0.2:27911"_s, u"127.0.0.3:1"_s};
        const auto answered = SourceState::Answered;
        row("one datagram", {MasterReply(three)}, answered, 3, three, u"3 servers"_s);
        row("two datagrams merged", {MasterReply(three.first(2)), MasterReply(three.sliced(1))},
            answered, 3, three, u"3 servers"_s);
        row("empty list", {MasterReply({})}, answered, 0, {}, u"0 servers"_s);
        row("hostile entries",
            {MasterReply({three[0], three[0], u"127.0.0.4:0"_s, u"0.0.0.0:27910"_s,
                          u"255.255.255.255:27910"_s, u"224.0.0.1:27910"_s, three[1]}) +
             '\x01'},
            answered, 2, three.first(2),
            u"2 servers (4 unusable left out; a partial entry ignored)"_s);
        QStringList many;
        for (int entry = 0; entry < 20000; ++entry)
            many << u"127.1.%1.%2:27910"_s.arg(entry / 200).arg(entry % 200 + 1);
        row("20,000 entries", {MasterReply(many.first(10000)), MasterReply(many.sliced(10000))},
            answered, 10000, many.first(3),
            u"10000 servers (10000 more left out over the limit of 10000)"_s);
        row("never answers", {}, SourceState::NoAnswer, 0, {}, u"no answer"_s);
        row("not a list", {"\xff\xff\xff\xffprint\n"}, SourceState::BadReply, 0, {},
            u"bad reply"_s);
        row("list from another port", {MasterReply(three)}, SourceState::NoAnswer, 0, {},
            u"no answer"_s, true);
    }
    void masterReplies() {
        QFETCH(QList<QByteArray>, datagrams);
        QFETCH(bool, fromOtherPort);
        QFETCH(SourceState, state);
        QFETCH(int, count);
        QFETCH(QStringList, first);
        FakeUdpMaster master;
        master.SetReply(datagrams, fromOtherPort);
        // Long enough for a reply before the resend on a busy machine.
        UdpMasterSource source(master.Address(), 600ms, nullptr);
        const SourceRun run = Run(source);
        QCOMPARE(run.result.state, state);
        QTEST(run.result.text, "text");
        QCOMPARE(run.result.servers, count);
        QCOMPARE(run.found.size(), count);
        QCOMPARE(run.found.first(first.size()), first);
        // Asked again only when no list came.
        QCOMPARE(master.Queries(), state == SourceState::Answered ? 1 : 2);
    }

    // A list from elsewhere must not aim the queries at this machine.
    void loopbackEntriesOnlyFromLoopback() {
        ServerListRead read;
        read.entries = {{QHostAddress(u"127.0.0.5"_s), 27910},
                        {QHostAddress(u"192.0.2.7"_s), 27910}};
        QCOMPARE(EntryFilter(false).Take(read), read.entries.sliced(1));
        QCOMPARE(EntryFilter(true).Take(read), read.entries);
    }

    void httpLists_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<SourceState>("state");
        QTest::addColumn<QStringList>("servers");
        QTest::addColumn<QString>("text");
        const QStringList two{u"127.0.0.1:27910"_s, u"127.0.0.2:27910"_s};
        const auto answered = SourceState::Answered;
        QTest::newRow("entries after the master's header")
            << u"/binary"_s << answered << two << u"2 servers"_s;
        QTest::newRow("entries alone") << u"/bare"_s << answered << two << u"2 servers"_s;
        const QString text = u"3 servers (1 unusable left out; 2 lines not understood)"_s;
        const QStringList three = two + QStringList{u"[::1]:27911"_s};
        QTest::newRow("text lines") << u"/text"_s << answered << three << text;
        QTest::newRow("redirect") << u"/moved"_s << answered << three << text;
        QTest::newRow("over 1 MiB")
            << u"/huge"_s << answered << two.first(1) << u"1 server (list cut at 1 MiB)"_s;
        QTest::newRow("missing") << u"/missing"_s << SourceState::Failed << QStringList()
                                 << u"HTTP 404 Not Found"_s;
    }
    void httpLists() {
        QFETCH(QString, path);
        mHttp.Serve(u"/binary"_s,
                    HttpResponse("200 OK", MasterReply({Local(27910), u"127.0.0.2:27910"_s})));
        mHttp.Serve(u"/bare"_s,
                    HttpResponse("200 OK", MasterEntries({Local(27910), u"127.0.0.2:27910"_s})));
        mHttp.Serve(u"/text"_s,
                    HttpResponse("200 OK", "127.0.0.1:27910\r\n\n# comment\n127.0.0.2\n"
                                           "not an address\n127.0.0.3:0\n[::1]:27911\n[::1\n"));
        mHttp.Serve(u"/moved"_s, HttpResponse("302 Found", {}, "Location: /text\r\n"));
        mHttp.Serve(u"/huge"_s,
                    HttpResponse("200 OK", "127.0.0.1:27910\n#" + QByteArray(kMaxListBytes, 'x')));
        QNetworkAccessManager network;
        HttpListSource source(QUrl(mHttp.Url(path)), network, 2s, nullptr);
        const SourceRun run = Run(source);
        QTEST(run.result.state, "state");
        QTEST(run.found, "servers");
        QTEST(run.result.text, "text");
    }

    // Servers on two of the ten ports of one host are found and asked.
    void lanHost() {
        std::array<QUdpSocket, 2> servers;
        const std::array<quint16, 2> ports{27910, 27913};
        for (size_t index = 0; index < servers.size(); ++index) {
            QUdpSocket& server = servers[index];
            if (!server.bind(QHostAddress(u"127.0.0.2"_s), ports[index]))
                QSKIP("a port of 127.0.0.2 is taken");
            connect(&server, &QUdpSocket::readyRead, [&server, port = ports[index]] {
                while (server.hasPendingDatagrams()) {
                    const QNetworkDatagram request = server.receiveDatagram();
                    server.writeDatagram(
                        GameReply("\\hostname\\Port " + QByteArray::number(port) + "\n"),
                        request.senderAddress(), request.senderPort());
                }
            });
        }
        Search search({.lanHosts = {u"127.0.0.2"_s}});
        QVERIFY(search.Run());
        QCOMPARE(Sorted(search.found), (QStringList{u"127.0.0.2:27910"_s, u"127.0.0.2:27913"_s}));
        QCOMPARE(search.statuses[u"127.0.0.2:27913"_s].HostName(), u"Port 27913"_s);
        QCOMPARE(search.finder.SourceResultAt(0).text, u"2 servers"_s);
    }

    // Each server is reported found once, whichever sources list it, and a
    // second search asks every known server again and adds the new ones.
    void searchAgain() {
        const QString a = Local(mGames.Add(GameReply("\\hostname\\A\n")));
        const QString b = Local(mGames.Add(GameReply("\\hostname\\B\n")));
        const QString silent = Local(mGames.Add({}));
        FakeUdpMaster master;
        master.SetReply({MasterReply({a, silent})});
        mHttp.Serve(u"/search"_s, HttpResponse("200 OK", (a + u'\n' + b).toLatin1()));
        Search search({.masters = {master.Address(), mHttp.Url(u"/search"_s)}});
        QVERIFY(search.Run());
        QCOMPARE(Sorted(search.found), Sorted({a, b, silent}));
        QCOMPARE(search.statuses[b].HostName(), u"B"_s);
        QCOMPARE(search.statuses[silent].outcome, StatusOutcome::NoAnswer);

        const QString c = Local(mGames.Add(GameReply("\\hostname\\C\n")));
        master.SetReply({MasterReply({a, c})});
        search.found.clear();
        search.statusCount = 0;
        QVERIFY(search.Run());
        QCOMPARE(search.found, QStringList{c});
        QCOMPARE(search.statusCount, 4);
        QCOMPARE(search.statuses[c].HostName(), u"C"_s);
        QCOMPARE(search.finder.Servers().size(), 4);
    }

    // A long list reaches the caller over several turns of the event loop.
    void longListInChunks() {
        QStringList many;
        for (int entry = 0; entry < 2000; ++entry)
            many << u"127.1.%1.%2:27910"_s.arg(entry / 200).arg(entry % 200 + 1);
        FakeUdpMaster master;
        master.SetReply({MasterReply(many)});
        Search search({.masters = {master.Address()}});
        // Counted when the event loop takes its next turn after the first one found.
        qsizetype foundInFirstTurn = -1;
        connect(&search.finder, &ServerFinder::ServerFound, this, [&] {
            if (search.found.size() == 1)
                QTimer::singleShot(0, this, [&] { foundInFirstTurn = search.found.size(); });
        });
        search.finder.Start();
        QTRY_COMPARE(search.found.size(), many.size());
        QCOMPARE_GT(foundInFirstTurn, 0);
        QCOMPARE_LT(foundInFirstTurn, many.size());
    }

    void browseCommand() {
        const QString answering = Local(mGames.Add(
            GameReply("\\hostname\\Frag fest\\mapname\\q2dm1\\maxclients\\16\\gamename\\ctf\n3 99 "
                      "\"Al\"\n")));
        const QString silent = Local(mGames.Add({}));
        FakeUdpMaster master;
        master.SetReply({MasterReply({silent, answering})});
        Search search({.masters = {master.Address()}});
        QString text, log;
        QTextStream out(&text), err(&log);
        QCOMPARE(RunBrowseCommand(search.finder, false, out, err), 0);
        const QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[0].startsWith(answering) && lines[0].endsWith(u"q2dm1  1/16  Frag fest"),
                 qPrintable(text));
        QVERIFY2(lines[1].startsWith(silent) && lines[1].endsWith(u"  no answer"),
                 qPrintable(text));
        QCOMPARE(log, master.Address() + u"  2 servers\n"_s);

        text.clear();
        QCOMPARE(RunBrowseCommand(search.finder, true, out, err), 0);
        const QJsonArray servers = QJsonDocument::fromJson(text.toUtf8()).array();
        QJsonObject first = servers[0].toObject();
        QVERIFY(first.take(u"ping"_s).toInt() >= 0);
        QVERIFY(first.take(u"info"_s).isObject() && first.take(u"time"_s).isString());
        const QJsonArray players{
            QJsonObject{{u"name"_s, u"Al"_s}, {u"frags"_s, 3}, {u"ping"_s, 99}}};
        QCOMPARE(first, (QJsonObject{{u"address"_s, answering},
                                     {u"status"_s, u"answered"_s},
                                     {u"name"_s, u"Frag fest"_s},
                                     {u"map"_s, u"q2dm1"_s},
                                     {u"playerCount"_s, 1},
                                     {u"max"_s, 16},
                                     {u"game"_s, u"ctf"_s},
                                     {u"players"_s, players}}));
        QCOMPARE(servers[1], (QJsonObject{{u"address"_s, silent}, {u"status"_s, u"no answer"_s}}));

        FakeUdpMaster quiet;
        quiet.SetReply({});
        Search none({.masters = {quiet.Address()}});
        log.clear();
        QCOMPARE(RunBrowseCommand(none.finder, false, out, err), 1);
        QCOMPARE(log, quiet.Address() + u"  no answer\n"_s);
    }

    void gameName() {
        ServerStatus status;
        QCOMPARE(GameName(status), u"baseq2"_s);
        status.info[u"game"_s] = u"rogue"_s;
        QCOMPARE(GameName(status), u"rogue"_s);
        status.info[u"gamename"_s] = u"ctf"_s;
        QCOMPARE(GameName(status), u"ctf"_s);
    }

    void broadcastTargets() {
        const auto entry = [](const QString& ip, int prefix, const QString& broadcast) {
            QNetworkAddressEntry entry;
            entry.setIp(QHostAddress(ip));
            entry.setPrefixLength(prefix);
            entry.setBroadcast(QHostAddress(broadcast));
            return entry;
        };
        using Interface = QNetworkInterface;
        const auto up = Interface::IsUp | Interface::IsRunning | Interface::CanBroadcast;
        const QList<InterfaceAddresses> interfaces{
            {up, {entry(u"192.0.2.10"_s, 24, u"192.0.2.255"_s), entry(u"fe80::1"_s, 64, {})}},
            {Interface::IsUp | Interface::IsLoopBack, {entry(u"127.0.0.1"_s, 8, {})}},
            {Interface::CanBroadcast, {entry(u"198.51.100.4"_s, 24, u"198.51.100.255"_s)}},
            {up,
             {entry(u"203.0.113.9"_s, 22, u"203.0.115.255"_s),
              entry(u"192.0.2.11"_s, 24, u"192.0.2.255"_s)}},
        };
        const QList<UdpTarget> targets = LanTargets(interfaces, QAbstractSocket::IPv4Protocol);
        QCOMPARE(targets.size(), 2);
        QCOMPARE(targets[0].sendTo, QHostAddress(u"192.0.2.255"_s));
        QCOMPARE(targets[1].sendTo, QHostAddress(u"203.0.115.255"_s));
        // The IPv6 group on the first game port, for the one interface up with IPv6.
        const QList<UdpTarget> group = LanTargets(interfaces, QAbstractSocket::IPv6Protocol);
        QCOMPARE(group.size(), 1);
        QCOMPARE(group[0].sendTo, QHostAddress(u"ff12::666"_s));
        QCOMPARE(group[0].port, kFirstLanPort);
        QVERIFY(QHostAddress(u"fe80::2"_s).isInSubnet(group[0].network, group[0].prefixLength));
        // Replies count from any address of the network.
        QVERIFY(
            QHostAddress(u"203.0.112.1"_s).isInSubnet(targets[1].network, targets[1].prefixLength));
    }

    // An independent client reads the stand-in master as Corvale does.
    void agreesWithQstat() {
        const QString qstat = QStandardPaths::findExecutable(u"quakestat"_s);
        if (qstat.isEmpty())
            QSKIP("quakestat (Debian package qstat) is not installed");
        FakeUdpMaster master;
        master.SetReply(
            {MasterReply({u"127.0.0.1:27950"_s, u"127.0.0.2:27951"_s, u"127.0.0.3:27952"_s})});
        QProcess process;
        QSignalSpy finished(&process, &QProcess::finished);
        process.start(qstat, {u"-q2m"_s, master.Address(), u"-raw"_s, u","_s});
        QVERIFY(finished.wait(10000));
        QStringList listed;
        for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split(u'\n'))
            if (line.startsWith(u"Q2S,"))
                listed << line.section(u',', 1, 1);
        UdpMasterSource source(master.Address(), 300ms, nullptr);
        QCOMPARE(Sorted(Run(source).found), Sorted(listed));
        QCOMPARE(listed.size(), 3);
    }
};

QTEST_GUILESS_MAIN(tst_finder)
#include "tst_finder.moc"
