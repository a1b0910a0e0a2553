#pragma once

#include "status/ServerStatus.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QSet>

// The servers a search found, one row each in the order found, with their
// last status. A new status changes its row in place; rows are never removed,
// so a new search never empties the table.
class FoundServers : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name, Map, Players, Ping, Game, Address, ColumnCount };
    // What a column sorts by: numbers for the players and the ping (servers
    // without an answer last), the text elsewhere.
    static constexpr int SortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // A row for `address` until its status comes, unless it has one.
    void Add(const QString& address);
    void Update(const ServerStatus& status);

    const ServerStatus& StatusAt(int row) const { return mServers.at(row).status; }
    // Whether the row's server has been asked to the end at least once.
    bool Asked(int row) const { return mServers.at(row).asked; }
    // The games of the servers that answered, sorted.
    QStringList Games() const;

Q_SIGNALS:
    // A game shows up for the first time.
    void GameFound(const QString& game);

private:
    struct Row {
        ServerStatus status;
        bool asked = false;
    };
    QVariant Shown(const Row& row, int column) const;

    QList<Row> mServers;
    QHash<QString, int> mRows;
    QSet<QString> mGames;
};

// A server that answered and has no free slot (its maximum is known).
bool IsFull(const ServerStatus& status);
