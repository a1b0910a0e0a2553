// Times a status round over 100 local game servers, 10 of which never
// answer, against the goal of one timeout plus 100 ms; and the reply
// parser's throughput on a full server's reply.
#include "status/StatusQuery.h"
#include "status/StatusReply.h"
#include "support/FakeGameServers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <cstdio>

namespace {

QByteArray FullServerReply() {
    QByteArray body = "\\hostname\\Benchmark server\\mapname\\q2dm1\\maxclients\\32"
                      "\\gamename\\baseq2\\dmflags\\16\\fraglimit\\30\\timelimit\\20\n";
    for (int player = 0; player < 32; ++player)
        body += QByteArray::number(player * 3) + " " + QByteArray::number(20 + player) +
                " \"Player\xe8\xe5" + QByteArray::number(player) + "\"\n";
    return GameReply(body);
}

void TimeRound(FakeGameServers& servers) {
    constexpr int kServers = 100;
    constexpr int kSilent = 10;
    const QByteArray reply = FullServerReply();
    QStringList addresses;
    for (int server = 0; server < kServers; ++server)
        addresses << QStringLiteral("127.0.0.1:%1")
                         .arg(servers.Add(server % (kServers / kSilent) == 0 ? QByteArray()
                                                                             : reply));
    StatusQuery query;
    int answered = 0;
    QObject::connect(&query, &StatusQuery::StatusReady, [&](const ServerStatus& status) {
        answered += status.outcome == StatusOutcome::Answered;
    });
    QEventLoop loop;
    QObject::connect(&query, &StatusQuery::Finished, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    query.Query(addresses);
    loop.exec();
    const qint64 elapsed = timer.elapsed();
    std::printf(
        "status round, %d servers (%d silent)  %5lld ms  answered %d  goal <= 1600 ms: %s\n",
        kServers, kSilent, static_cast<long long>(elapsed), answered,
        elapsed <= 1600 ? "met" : "MISSED");
}

void TimeParser() {
    const QByteArray reply = FullServerReply();
    constexpr int kRounds = 20000;
    qsizetype players = 0;
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < kRounds; ++round)
        players += ParseStatusReply(reply).players.size();
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf("reply parser, %lld-byte reply, 32 players  %8.0f replies/s  %6.1f MB/s  (%lld "
                "players)\n",
                static_cast<long long>(reply.size()), kRounds / seconds,
                kRounds * reply.size() / seconds / 1e6, static_cast<long long>(players));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    FakeGameServers servers;
    TimeRound(servers);
    TimeParser();
    return 0;
}
