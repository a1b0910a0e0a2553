#pragma once

#include "status/ServerStatus.h"

#include <QJsonDocument>
#include <QList>

class QTextStream;
class ServerFinder;

// The server's game (mod): the info key "gamename", else "game", else "baseq2".
QString GameName(const ServerStatus& status);

// Answered servers by ping, then bad replies, then silent ones, each group
// in the order given.
void SortByPing(QList<ServerStatus>& servers);

// One object per server: address, name, map, players (the count), max, ping,
// game and playerList (name, frags, ping); "status" says "no answer" or "bad
// reply" where there is no proper reply, and a silent server has nothing else.
QJsonDocument BrowseJson(const QList<ServerStatus>& servers);

// Runs one search with `finder` as the caller has set it up, waiting in an
// event loop of its own, then writes every server found to `out` (the status
// table sorted by ping, or BrowseJson) and one line per source to `log`.
// Returns 0 when at least one source answered, 1 otherwise. Needs a
// QCoreApplication.
int RunBrowseCommand(ServerFinder& finder, bool json, QTextStream& out, QTextStream& log);
