#include "status/StatusFormat.h"
#include "status/StatusQuery.h"
#include "status/ui/frmServerStatus.h"
#include "support/FakeGameServers.h"
#include "support/LayoutCheck.h"
#include "support/TestSupport.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QLabel>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTextStream>

using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

namespace {

const QByteArray kInfo = "\\hostname\\Frag fest\\mapname\\q2dm1\\maxclients\\16\n";
const QByteArray kPlayers = "3 99 \"Al\"\n12 40 \"Bob\"\n";

// The statuses of the addresses, in the order asked.
QList<ServerStatus> Ask(const QStringList& addresses, int maxInFlight = 64,
                        std::chrono::milliseconds timeout = 300ms) {
    StatusQuery query;
    query.SetTimeout(timeout);
    query.SetMaxInFlight(maxInFlight);
    QSignalSpy finished(&query, &StatusQuery::Finished);
    QList<ServerStatus> statuses(addresses.size());
    QObject::connect(&query, &StatusQuery::StatusReady, [&](const ServerStatus& status) {
        statuses[addresses.indexOf(status.address)] = status;
    });
    query.Query(addresses);
    finished.wait(5000);
    return statuses;
}

QStringList Names(const QList<PlayerStatus>& players) {
    QStringList names;
    for (const PlayerStatus& player : players)
        names << player.name;
    return names;
}

} // namespace

class tst_status : public QObject {
    Q_OBJECT
    FakeGameServers mServers;

private Q_SLOTS:
    void replies_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("address");
        QTest::addColumn<Quirk>("quirk");
        QTest::addColumn<StatusOutcome>("outcome");
        QTest::addColumn<QString>("hostName");
        QTest::addColumn<QStringList>("players");
        const QString local = u"127.0.0.1:%1"_s;
        const auto good = StatusOutcome::Answered, bad = StatusOutcome::BadReply,
                   none = StatusOutcome::NoAnswer;
        const auto row = [](const char* tag, QByteArray reply, QString address, Quirk quirk,
                            StatusOutcome outcome, QString hostName, QStringList players) {
            QTest::newRow(tag) << reply << address << quirk << outcome << hostName << players;
        };
        const Quirk plain = Quirk::None;
        const QByteArray info = GameReply(kInfo);
        row("players", GameReply(kInfo + kPlayers), local, plain, good, "Frag fest", {"Al", "Bob"});
        row("host name", info, u"localhost:%1"_s, plain, good, "Frag fest", {});
        row("IPv6", info, u"[::1]:%1"_s, plain, good, "Frag fest", {});
        row("coloured names", GameReply("\\hostname\\\xc6rag\x89\n1 2 \"\xc2ob\x01\x7f\x8a\"\n"),
            local, plain, good, "Frag.", {"Bob..."});
        row("truncated", GameReply(kInfo + "12 40 \"Bob\"\n3 9"), local, plain, bad, "Frag fest",
            {"Bob"});
        row("oversized", GameReply("\\hostname\\" + QByteArray(5000, 'a') + "\n"), local, plain,
            bad, QString(4076, u'a'), {});
        row("no header", kInfo + kPlayers, local, plain, bad, "", {});
        row("odd info fields", GameReply("\\hostname\\Frag fest\\mapname\n"), local, plain, bad,
            "Frag fest", {});
        row("garbage player lines",
            GameReply(kInfo + "x 4 \"Eve\"\n12 40 \"Bob\"\n1 2 Al\n\n99999999999 1 \"Big\"\n"
                              "1 2 \"\n-1  7 \"Cy\"\n"),
            local, plain, bad, "Frag fest", {"Bob", "Cy"});
        row("reply from another port", info, local, Quirk::FromOtherPort, none, "", {});
        row("answers the resend", info, local, Quirk::IgnoresFirstRequest, good, "Frag fest", {});
    }
    void replies() {
        QFETCH(QByteArray, reply);
        QFETCH(QString, address);
        QFETCH(Quirk, quirk);
        QFETCH(StatusOutcome, outcome);
        const bool ipv6 = address.startsWith(u'[');
        const quint16 port = mServers.Add(
            reply, quirk,
            QHostAddress(ipv6 ? QHostAddress::LocalHostIPv6 : QHostAddress::LocalHost));
        const ServerStatus status = Ask({address.arg(port)}).first();
        QCOMPARE(status.outcome, outcome);
        QTEST(status.HostName(), "hostName");
        QTEST(Names(status.players), "players");
        const bool replied = outcome != StatusOutcome::NoAnswer;
        QCOMPARE(status.answeredAt.isValid(), replied);
        // A reply to a resent request is timed from the first one.
        const auto requests = mServers.Requests(port);
        QVERIFY(replied ? status.pingMs >= (requests.back() - requests.front()) / 1ms &&
                              status.pingMs < 300
                        : status.pingMs == -1);
    }

    // Replies go to the server that sent them; a silent server is asked
    // twice; the whole round takes one timeout, not one per server.
    void manyServersInParallel() {
        QStringList addresses;
        for (int server = 0; server < 30; ++server)
            addresses << u"127.0.0.1:%1"_s.arg(
                mServers.Add(GameReply("\\hostname\\S" + QByteArray::number(server) + "\n")));
        const quint16 silent = mServers.Add({});
        addresses.insert(3, u"127.0.0.1:%1"_s.arg(silent));
        const QDeadlineTimer oneRound(500ms, Qt::PreciseTimer);
        QList<ServerStatus> statuses = Ask(addresses, 8);
        QVERIFY(!oneRound.hasExpired());
        QCOMPARE(statuses[3].outcome, StatusOutcome::NoAnswer);
        QCOMPARE(mServers.Requests(silent).size(), 2u);
        statuses.removeAt(3);
        for (int server = 0; server < 30; ++server)
            QCOMPARE(statuses[server].HostName(), u"S%1"_s.arg(server));
    }

    // Replies that come faster than one turn of reading takes are all read,
    // round after round.
    void manyAnswersAtOnce() {
        QStringList addresses;
        for (int server = 0; server < 400; ++server)
            addresses << u"127.0.0.1:%1"_s.arg(mServers.Add(GameReply(kInfo)));
        for (int round = 0; round < 3; ++round)
            for (const ServerStatus& status : Ask(addresses, 400, 2s))
                QCOMPARE(status.outcome, StatusOutcome::Answered);
    }

    // Junk from elsewhere does not hold up a reply; counts line up on the right;
    // silence takes 1.5 s; a broken reply keeps what it held; problems are named.
    void commandLine() {
        const QString answering = u"127.0.0.1:%1"_s.arg(mServers.Add(GameReply(kInfo + kPlayers)));
        const QString flooding = u"127.0.0.1:%1"_s.arg(
            mServers.Add(GameReply(kInfo + kPlayers.repeated(5)), Quirk::FloodsFirst));
        const QString broken = u"127.0.0.1:%1"_s.arg(mServers.Add(GameReply("\\hostname\\Frag")));
        QString text;
        QTextStream out(&text);
        QCOMPARE(RunStatusCommand({answering, flooding}, false, out), 0);
        QVERIFY2(text.startsWith(answering) && text.contains(u"q2dm1   2/16  Frag fest\n") &&
                     text.contains(u"q2dm1  10/16  Frag fest\n"),
                 qPrintable(text));
        text.clear();
        const QDeadlineTimer silence(1500ms, Qt::PreciseTimer);
        QCOMPARE(RunStatusCommand({u"127.0.0.1"_s, answering, broken, u"127.0.0.1:x"_s}, true, out),
                 1);
        QVERIFY(silence.hasExpired());
        const QJsonArray servers = QJsonDocument::fromJson(text.toUtf8()).array();
        QList<QStringList> seen; // status, problem, host name
        for (const QJsonValue server : servers)
            seen << QStringList{server[u"status"_s].toString(), server[u"problem"_s].toString(),
                                server[u"info"_s][u"hostname"_s].toString()};
        QCOMPARE(seen, QList<QStringList>({{"no answer", "", ""},
                                           {"answered", "", "Frag fest"},
                                           {"bad reply", "", "Frag"},
                                           {"no answer", "invalid port", ""}}));
        QCOMPARE(servers[1][u"players"_s][1][u"name"_s], u"Bob"_s);
        QCOMPARE(servers[1][u"players"_s][1][u"frags"_s], 12);
    }

    // An independent client reads the test server as Corvale does, so the
    // test server speaks the game's protocol.
    void agreesWithQstat() {
        const QString qstat = QStandardPaths::findExecutable(u"quakestat"_s);
        if (qstat.isEmpty())
            QSKIP("quakestat (Debian package qstat) is not installed");
        const QString address = u"127.0.0.1:%1"_s.arg(mServers.Add(GameReply(kInfo + kPlayers)));
        QProcess process;
        process.start(qstat, {u"-q2s"_s, address, u"-P"_s, u"-raw"_s, u","_s});
        QVERIFY(process.waitForFinished(10000));
        const QStringList lines =
            QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        // Q2S,address,name,map,max players,players,ping,retries; then name,frags,ping.
        QVERIFY2(lines.size() == 3, qPrintable(lines.join(u'\n')));
        const QStringList server = lines[0].split(u',');
        const ServerStatus status = Ask({address}).first();
        QCOMPARE(server.mid(2, 4),
                 (QStringList{status.HostName(), status.MapName(), status.MaxPlayers(),
                              QString::number(status.players.size())}));
        QCOMPARE(QStringList({lines[1].section(u',', 0, 0), lines[2].section(u',', 0, 0)}),
                 Names(status.players));
    }

    void window() {
        const quint16 port =
            mServers.Add(GameReply(kInfo + kPlayers + "7 20 \"Cy\"\n"), Quirk::FloodsFirst);
        auto* window = new frmServerStatus(u"127.0.0.1:%1"_s.arg(port));
        auto* state = Find<QLabel>(window, "lblState");
        Q_EMIT window->Query().StatusReady({});
        QCOMPARE(state->text(), u"no answer — never answered"_s);
        window->Query().SetTimeout(300ms);
        window->SetRefreshInterval(100ms);
        window->show();
        auto* players = Find<QTableWidget>(window, "tblPlayers");
        auto* info = Find<QTableWidget>(window, "tblInfo");
        QTRY_COMPARE(players->rowCount(), 3);
        QCOMPARE(Entries(players), QStringList({"Bob", "Cy", "Al"}));
        QCOMPARE(info->item(0, 0)->text(), u"hostname"_s);
        QTRY_COMPARE_GE(mServers.Requests(port).size(), 3u);
        // A refresh keeps the user's size and replaces the info; a server that
        // falls silent keeps its last answer's time on show.
        window->SetRefreshInterval(1h);
        QTRY_VERIFY(!window->Query().Busy());
        window->resize(window->size() + QSize(50, 50));
        const QSize resized = window->size();
        const QDateTime answeredAt(QDate(2024, 5, 6), QTime(13, 14, 15));
        Q_EMIT window->Query().StatusReady(
            {.outcome = StatusOutcome::Answered, .answeredAt = answeredAt});
        Q_EMIT window->Query().StatusReady({});
        QCOMPARE(info->rowCount(), 0);
        QCOMPARE(window->size(), resized);
        QCOMPARE(state->text(),
                 u"no answer — last answer at "_s + QLocale().toString(answeredAt.time()));
        QVERIFY2(LayoutProblems(window).isEmpty(), qPrintable(LayoutProblems(window).join(u'\n')));
        // F5 asks again at once, Esc closes the window.
        QTest::keyClick(window, Qt::Key_F5);
        QVERIFY(window->Query().Busy());
        QSignalSpy closed(window, &QObject::destroyed);
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_COMPARE(closed.size(), 1);
    }
};

CORVALE_WIDGET_TEST_MAIN(tst_status)
#include "tst_status.moc"
