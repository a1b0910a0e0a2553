#pragma once

#include "status/ServerStatus.h"

#include <QJsonDocument>
#include <QList>
#include <QString>
#include <QStringList>

class QTextStream;

// "Name — map — 5/16 players — 42 ms", "no answer" or "bad reply".
QString StatusTooltip(const ServerStatus& status);

// One line per server, in columns: address, ping, map, players/max, name;
// "no answer" or "bad reply" after the address of a server without a
// proper reply.
QString StatusTable(const QList<ServerStatus>& servers);

// The servers as a JSON array, each with its info and players.
QJsonDocument StatusJson(const QList<ServerStatus>& servers);

// Asks every address at once, waits in an event loop of its own until all
// have answered or timed out, and writes the table (or the JSON array) to
// `out`. Returns 0 when every server answered, 1 otherwise, and 2 (writing
// nothing) when no address is given. Needs a QCoreApplication.
int RunStatusCommand(const QStringList& addresses, bool json, QTextStream& out);
