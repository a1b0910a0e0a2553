#pragma once

#include "common/Result.h"

#include <QCoreApplication>
#include <QString>

// The per-user game folders that the Linux engines search before the game
// installation (~/.yq2 for Yamagi Quake II, ~/.q2pro for Q2PRO, ~/.quake2).
// A file the game must find but that cannot go into a read-only installation
// is written there instead.
class UserGameFolder {
    Q_DECLARE_TR_FUNCTIONS(UserGameFolder)

public:
    // True when the user may create files in the folder. The superuser, whom the
    // system lets write anywhere, is held to the folder's write bits, so that a
    // folder marked read-only is one for every user.
    static bool IsWritable(const QString& folder);

    // The path of fileName in the game directory game ("baseq2" or a mod) of the
    // user game folder that program (the game's executable) reads: its own for
    // an engine known by its program name (created when missing, as the engine
    // itself would), else the first existing one; the folders it needs are
    // created. Fails when there is no such folder, when it is not a folder, or
    // when a folder cannot be made.
    static Result<QString> FilePath(const QString& program, const QString& game,
                                    const QString& fileName);
};
