#pragma once

#include "common/Result.h"
#include "finder/ServerFinder.h"

#include <QStringList>

// The stored master list: one master address or list URL a line; blank
// lines and surrounding blanks do not count.
QStringList StoredMasters();
QStringList MasterLines(const QString& text);
// Stores `masters` at once.
Result<> StoreMasters(const QStringList& masters);

// Status requests the finder keeps in flight, at least 1.
int StoredMaxInFlight();

// The sources of a search from the command line: the masters, the local
// networks and the LAN hosts given; the stored masters when none is given.
FinderSources BrowseSources(const QStringList& masters, bool localNetworks,
                            const QStringList& lanHosts);
