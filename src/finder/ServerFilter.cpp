#include "finder/ServerFilter.h"

#include "finder/FoundServers.h"
#include "status/StatusFormat.h"

#include <algorithm>

namespace {

bool Mentions(const ServerStatus& status, const QString& text) {
    const auto holds = [&text](const QString& field) {
        return field.contains(text, Qt::CaseInsensitive);
    };
    return holds(status.HostName()) || holds(status.MapName()) || holds(status.address) ||
           std::any_of(status.players.begin(), status.players.end(),
                       [&holds](const PlayerStatus& player) { return holds(player.name); });
}

} // namespace

ServerFilter::ServerFilter(FoundServers& servers, QObject* parent)
    : QSortFilterProxyModel(parent), mServers(servers) {
    setSourceModel(&servers);
    setSortRole(FoundServers::SortRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
    setSortLocaleAware(true);
}

void ServerFilter::SetSettings(const ServerFilterSettings& settings) {
    mSettings = settings;
    invalidateFilter();
}

bool ServerFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    const ServerStatus& status = mServers.StatusAt(sourceRow);
    const bool answered = status.outcome == StatusOutcome::Answered;
    if (!mSettings.text.isEmpty() && !Mentions(status, mSettings.text))
        return false;
    if (mSettings.hideEmpty && status.players.isEmpty())
        return false;
    if (mSettings.hideFull && IsFull(status))
        return false;
    if (mSettings.maxPing > 0 && (!answered || status.pingMs > mSettings.maxPing))
        return false;
    return mSettings.game.isEmpty() || (answered && GameName(status) == mSettings.game);
}
