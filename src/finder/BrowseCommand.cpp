#include "finder/BrowseCommand.h"

#include "finder/ServerFinder.h"
#include "status/StatusFormat.h"

#include <QEventLoop>
#include <QHash>
#include <QTextStream>

#include <algorithm>

namespace {

int OutcomeRank(StatusOutcome outcome) {
    switch (outcome) {
    case StatusOutcome::Answered:
        return 0;
    case StatusOutcome::BadReply:
        return 1;
    case StatusOutcome::NoAnswer:
        break;
    }
    return 2;
}

void WriteSources(const ServerFinder& finder, QTextStream& log) {
    qsizetype width = 0;
    for (qsizetype index = 0; index < finder.SourceCount(); ++index)
        width = std::max(width, finder.SourceName(index).size());
    for (qsizetype index = 0; index < finder.SourceCount(); ++index)
        log << finder.SourceName(index).leftJustified(width) << QStringLiteral("  ")
            << finder.SourceResultAt(index).text << u'\n';
    log.flush();
}

} // namespace

void SortByPing(QList<ServerStatus>& servers) {
    std::stable_sort(servers.begin(), servers.end(),
                     [](const ServerStatus& left, const ServerStatus& right) {
                         const int leftRank = OutcomeRank(left.outcome);
                         const int rightRank = OutcomeRank(right.outcome);
                         if (leftRank != rightRank)
                             return leftRank < rightRank;
                         return leftRank == 0 && left.pingMs < right.pingMs;
                     });
}

int RunBrowseCommand(ServerFinder& finder, bool json, QTextStream& out, QTextStream& log) {
    QHash<QString, ServerStatus> statuses;
    const QMetaObject::Connection collect = QObject::connect(
        &finder, &ServerFinder::StatusReceived,
        [&statuses](const ServerStatus& status) { statuses.insert(status.address, status); });
    QEventLoop loop;
    QObject::connect(&finder, &ServerFinder::Finished, &loop, &QEventLoop::quit);
    finder.Start();
    loop.exec();
    QObject::disconnect(collect);

    QList<ServerStatus> servers;
    for (const QString& address : finder.Servers()) {
        servers.append(statuses.value(address));
        servers.last().address = address;
    }
    SortByPing(servers);
    if (json)
        out << StatusJson(servers).toJson();
    else
        out << StatusTable(servers);
    out.flush();
    WriteSources(finder, log);
    return finder.AnySourceAnswered() ? 0 : 1;
}
