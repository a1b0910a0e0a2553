#pragma once

#include "status/ServerStatus.h"

#include <QList>

class QTextStream;
class ServerFinder;

// Answered servers by ping, then bad replies, then silent ones, each group
// in the order given.
void SortByPing(QList<ServerStatus>& servers);

// Runs one search with `finder` as the caller has set it up, waiting in an
// event loop of its own, then writes every server found to `out` (the status
// table sorted by ping, or BrowseJson) and one line per source to `log`.
// Returns 0 when at least one source answered, 1 otherwise. Needs a
// QCoreApplication.
int RunBrowseCommand(ServerFinder& finder, bool json, QTextStream& out, QTextStream& log);
