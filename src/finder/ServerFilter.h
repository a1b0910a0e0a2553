#pragma once

#include <QSortFilterProxyModel>

class FoundServers;

// What the user narrows the found servers down to.
struct ServerFilterSettings {
    // Part of the name, map, address or a player's name, in any case.
    QString text;
    bool hideEmpty = false;
    bool hideFull = false;
    // The highest ping shown; 0 for any (and then silent servers show too).
    int maxPing = 0;
    // The one game shown; empty for every game.
    QString game;
};

// The found servers the filter lets through, sorted by FoundServers::SortRole.
class ServerFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit ServerFilter(FoundServers& servers, QObject* parent = nullptr);

    void SetSettings(const ServerFilterSettings& settings);
    const ServerFilterSettings& Settings() const { return mSettings; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    FoundServers& mServers;
    ServerFilterSettings mSettings;
};
