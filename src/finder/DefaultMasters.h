#pragma once

#include <QStringList>

// The masters and server lists the Quake II server browsers in use today
// ask; the finder's master list until the user sets one.
QStringList DefaultMasters();
