#include "finder/FoundServers.h"

#include "status/StatusFormat.h"

#include <limits>

bool IsFull(const ServerStatus& status) {
    bool known = false;
    const int max = status.MaxPlayers().toInt(&known);
    return status.outcome == StatusOutcome::Answered && known && status.players.size() >= max;
}

int FoundServers::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(mServers.size());
}

int FoundServers::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FoundServers::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= mServers.size())
        return {};
    const Row& row = mServers.at(index.row());
    if (role == Qt::DisplayRole)
        return Shown(row, index.column());
    if (role == Qt::TextAlignmentRole && (index.column() == Players || index.column() == Ping))
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != SortRole)
        return {};
    const bool answered = row.status.outcome == StatusOutcome::Answered;
    if (index.column() == Ping)
        return answered ? row.status.pingMs : std::numeric_limits<int>::max() - (row.asked ? 0 : 1);
    if (index.column() == Players)
        return answered ? static_cast<int>(row.status.players.size()) : -1;
    return Shown(row, index.column());
}

QVariant FoundServers::Shown(const Row& row, int column) const {
    const ServerStatus& status = row.status;
    const bool answered = status.outcome == StatusOutcome::Answered;
    switch (column) {
    case Name:
        return status.HostName();
    case Map:
        return status.MapName();
    case Players:
        if (!answered)
            return QString();
        return QStringLiteral("%1/%2").arg(status.players.size()).arg(status.MaxPlayers());
    case Ping:
        if (!row.asked)
            return QString();
        return answered ? QString::number(status.pingMs) : OutcomeText(status.outcome);
    case Game:
        return answered ? GameName(status) : QString();
    case Address:
        return status.address;
    }
    return {};
}

QVariant FoundServers::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Name:
        return tr("Name");
    case Map:
        return tr("Map");
    case Players:
        return tr("Players");
    case Ping:
        return tr("Ping");
    case Game:
        return tr("Game");
    case Address:
        return tr("Address");
    }
    return {};
}

void FoundServers::Add(const QString& address) {
    if (mRows.contains(address))
        return;
    const int row = static_cast<int>(mServers.size());
    beginInsertRows({}, row, row);
    Row added;
    added.status.address = address;
    mServers.append(added);
    mRows.insert(address, row);
    endInsertRows();
}

void FoundServers::Update(const ServerStatus& status) {
    Add(status.address);
    const int row = mRows.value(status.address);
    mServers[row] = {status, true};
    if (status.outcome == StatusOutcome::Answered) {
        const QString game = GameName(status);
        if (!mGames.contains(game)) {
            mGames.insert(game);
            Q_EMIT GameFound(game);
        }
    }
    Q_EMIT dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

QStringList FoundServers::Games() const {
    QStringList games(mGames.begin(), mGames.end());
    games.sort(Qt::CaseInsensitive);
    return games;
}
