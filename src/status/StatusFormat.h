#pragma once

#include "status/ServerStatus.h"

#include <QJsonDocument>
#include <QList>
#include <QString>
#include <QStringList>

class QTextStream;

// "answered", "no answer" or "bad reply", in the user's language; the JSON
// output has the same words untranslated.
QString OutcomeText(StatusOutcome outcome);

// The server's game (mod): the info key "gamename", else "game", else "baseq2".
QString GameName(const ServerStatus& status);

// "Name — map — 5/16 players — 42 ms", "no answer" or "bad reply".
QString StatusTooltip(const ServerStatus& status);

// One line per server, in columns: address, ping, map, players/max, name;
// "no answer" or "bad reply" after the address of a server without a
// proper reply.
QString StatusTable(const QList<ServerStatus>& servers);

// The servers as a JSON array: each object has the address and a "status"
// ("answered", "no answer", "bad reply"), a "problem" where no request could
// be sent, and with a reply its name, map, game, playerCount, max, ping,
// time, info and players (name, frags, ping).
QJsonDocument StatusJson(const QList<ServerStatus>& servers);

// Asks every address at once, waits in an event loop of its own until all
// have answered or timed out, and writes the table (or the JSON array) to
// `out`. Returns 0 when every server answered, 1 otherwise, and 2 (writing
// nothing) when no address is given. Needs a QCoreApplication.
int RunStatusCommand(const QStringList& addresses, bool json, QTextStream& out);
