#pragma once

#include "common/Result.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The installed game: where it lives, which program starts it and which game
// directory (mod) is current. Turns file names into paths inside the current
// or the base game directory, lists what the installation holds and starts
// the game from its installation directory.
class Quake2 {
    Q_DECLARE_TR_FUNCTIONS(Quake2)

public:
    static constexpr int kSavedGameSlots = 15;

    Quake2();

    void SetGame(const QString& game) { mGame = game; }
    QString Game() const { return mGame; }
    void SetExecutable(const QString& executable) { mExecutable = executable; }
    QString Executable() const { return mExecutable; }
    QString Drive() const { return mPath.left(1); }
    // Stores the path and adds the trailing separator when it is missing.
    void SetPath(const QString& path);
    QString Path() const { return mPath; }

    // The file in the current game directory when one exists there, else the
    // path in the base game directory; "" when mustExist and it is in neither.
    QString FilePath(const QString& fileName, bool mustExist = false) const;
    // The game program: Executable below the installation directory, or
    // Executable itself when it is an absolute path.
    QString ProgramPath() const;
    // Starts the game program with the arguments, each one argument as it
    // stands, in the installation directory. On failure a text for the user:
    // the program tried, the working directory and the reason.
    Result<> Launch(const QStringList& arguments) const;

    // Subdirectories of the installation directory matching the pattern.
    QStringList ListDirectories(const QString& pattern) const;
    // Ordinary files of the current game directory matching the pattern (which
    // may have a subdirectory part), or of the base game directory when the
    // current one has no match.
    QStringList ListFiles(const QString& pattern) const;
    // 0 single player levels, 1 deathmatch levels (built in), 2 custom maps
    // (map files, ".bsp" included); any other kind gives an empty list.
    QStringList ListMaps(int kind) const;
    // The titles of the 15 saved-game slots, "" for an empty slot.
    QStringList SavedGames() const;

    static QString Separator();

private:
    QString GameDirectory() const;

    QString mPath;
    QString mExecutable;
    QString mGame;
};

// The one game object of the running program.
extern Quake2* gQuake2;
