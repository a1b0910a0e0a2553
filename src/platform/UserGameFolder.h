#pragma once

#include "common/Result.h"

#include <QString>

// The per-user game folders that the Linux engines search before the game
// installation (~/.yq2, ~/.q2pro, ~/.quake2). A file the game must find but
// that cannot go into a read-only installation is written there instead.
namespace UserGameFolder {

// True when the user may create files in the folder. The superuser, whom the
// system lets write anywhere, is held to the folder's write bits, so that a
// folder marked read-only is one for every user.
bool IsWritable(const QString& folder);

// The path of fileName in the game directory game ("baseq2" or a mod) of the
// first existing per-user game folder, creating the folders it needs. Fails
// when none of the per-user game folders exists or a folder cannot be made.
Result<QString> FilePath(const QString& game, const QString& fileName);

} // namespace UserGameFolder
