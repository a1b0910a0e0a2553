#include "status/StatusFormat.h"

#include "status/StatusQuery.h"

#include <QEventLoop>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QTextStream>

namespace {

// The outcome's word, untranslated: the JSON output names it the same in
// every language.
const char* OutcomeKeyword(StatusOutcome outcome) {
    switch (outcome) {
    case StatusOutcome::Answered:
        return QT_TRANSLATE_NOOP("ServerStatus", "answered");
    case StatusOutcome::NoAnswer:
        return QT_TRANSLATE_NOOP("ServerStatus", "no answer");
    case StatusOutcome::BadReply:
        return QT_TRANSLATE_NOOP("ServerStatus", "bad reply");
    }
    return "";
}

QString PlayerCount(const ServerStatus& status) {
    const QString max = status.MaxPlayers();
    return QStringLiteral("%1/%2")
        .arg(status.players.size())
        .arg(max.isEmpty() ? QStringLiteral("?") : max);
}

QString Ping(const ServerStatus& status) {
    return ServerStatus::tr("%1 ms").arg(status.pingMs);
}

QJsonObject ServerObject(const ServerStatus& status) {
    QJsonObject server{{QStringLiteral("address"), status.address},
                       {QStringLiteral("status"), QLatin1String(OutcomeKeyword(status.outcome))}};
    if (!status.problem.isEmpty())
        server.insert(QStringLiteral("problem"), status.problem);
    if (status.outcome == StatusOutcome::NoAnswer)
        return server;
    QJsonObject info;
    for (auto field = status.info.cbegin(); field != status.info.cend(); ++field)
        info.insert(field.key(), field.value());
    QJsonArray players;
    for (const PlayerStatus& player : status.players)
        players.append(QJsonObject{{QStringLiteral("name"), player.name},
                                   {QStringLiteral("frags"), player.frags},
                                   {QStringLiteral("ping"), player.ping}});
    bool maxIsNumber = false;
    const int max = status.MaxPlayers().toInt(&maxIsNumber);
    server.insert(QStringLiteral("name"), status.HostName());
    server.insert(QStringLiteral("map"), status.MapName());
    server.insert(QStringLiteral("game"), GameName(status));
    server.insert(QStringLiteral("playerCount"), players.size());
    server.insert(QStringLiteral("max"), maxIsNumber ? QJsonValue(max) : QJsonValue());
    server.insert(QStringLiteral("ping"), status.pingMs);
    server.insert(QStringLiteral("time"), status.answeredAt.toString(Qt::ISODateWithMs));
    server.insert(QStringLiteral("info"), info);
    server.insert(QStringLiteral("players"), players);
    return server;
}

} // namespace

QString OutcomeText(StatusOutcome outcome) {
    return ServerStatus::tr(OutcomeKeyword(outcome));
}

QString GameName(const ServerStatus& status) {
    for (const QString& key : {QStringLiteral("gamename"), QStringLiteral("game")}) {
        const QString game = status.info.value(key);
        if (!game.isEmpty())
            return game;
    }
    return QStringLiteral("baseq2");
}

QString StatusTooltip(const ServerStatus& status) {
    if (status.outcome != StatusOutcome::Answered)
        return OutcomeText(status.outcome);
    return ServerStatus::tr("%1 — %2 — %3 players — %4")
        .arg(status.HostName(), status.MapName(), PlayerCount(status), Ping(status));
}

QString StatusTable(const QList<ServerStatus>& servers) {
    QList<QStringList> rows;
    for (const ServerStatus& status : servers) {
        if (status.outcome == StatusOutcome::Answered)
            rows.append({status.address, Ping(status), status.MapName(), PlayerCount(status),
                         status.HostName()});
        else
            rows.append({status.address, OutcomeText(status.outcome)});
    }
    // Every column but the last is as wide as its widest entry. The ping and
    // the player count line up on the right.
    QList<qsizetype> widths(4, 0);
    for (const QStringList& row : rows)
        for (qsizetype column = 0; column + 1 < row.size(); ++column)
            widths[column] = std::max(widths[column], row[column].size());
    QString table;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (qsizetype column = 0; column < row.size(); ++column) {
            const bool last = column + 1 == row.size();
            const bool right = column == 1 || column == 3;
            cells << (last    ? row[column]
                      : right ? row[column].rightJustified(widths[column])
                              : row[column].leftJustified(widths[column]));
        }
        table += cells.join(u"  ") + u'\n';
    }
    return table;
}

QJsonDocument StatusJson(const QList<ServerStatus>& servers) {
    QJsonArray array;
    for (const ServerStatus& status : servers)
        array.append(ServerObject(status));
    return QJsonDocument(array);
}

int RunStatusCommand(const QStringList& addresses, bool json, QTextStream& out) {
    if (addresses.isEmpty())
        return 2;
    StatusQuery query;
    QHash<QString, ServerStatus> found;
    QEventLoop loop;
    QObject::connect(&query, &StatusQuery::StatusReady, [&found](const ServerStatus& status) {
        found.insert(status.address, status);
    });
    QObject::connect(&query, &StatusQuery::Finished, &loop, &QEventLoop::quit);
    query.Query(addresses);
    if (query.Busy())
        loop.exec();

    QList<ServerStatus> servers;
    bool allAnswered = true;
    for (const QString& address : addresses) {
        servers.append(found.value(address));
        allAnswered &= servers.last().outcome == StatusOutcome::Answered;
    }
    if (json)
        out << StatusJson(servers).toJson();
    else
        out << StatusTable(servers);
    out.flush();
    return allAnswered ? 0 : 1;
}
