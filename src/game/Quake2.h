#pragma once

#include "common/Result.h"
#include "game/LaunchPlan.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>

// The installed game: where it lives, which program starts it and which game
// directory (mod) is current. Turns file names into paths inside the current
// or the base game directory, lists what the installation holds and starts
// the game from its installation directory.
class Quake2 {
    Q_DECLARE_TR_FUNCTIONS(Quake2)

public:
    static constexpr int kSavedGameSlots = 15;
    // The game's map lists: the levels it comes with and the map files of
    // the installation, which end in kMapFileEnding.
    enum class MapKind { SinglePlayerLevels, DeathmatchLevels, CustomMaps };
    static constexpr QStringView kMapFileEnding = u".bsp";

    Quake2();

    void SetGame(const QString& game) { mGame = game; }
    QString Game() const { return mGame; }
    void SetExecutable(const QString& executable) { mExecutable = executable; }
    QString Executable() const { return mExecutable; }
    // The installation's drive letter (the path's first character). Nothing
    // reads it: the game starts with the installation as its working folder.
    QString Drive() const { return mPath.left(1); }
    // Stores the path and adds the trailing separator when it is missing.
    void SetPath(const QString& path);
    QString Path() const { return mPath; }

    // The folder of a game directory ("baseq2" or a mod), with a trailing
    // separator.
    QString GameFolder(const QString& game) const;
    // The file in the current game directory when one exists there, else the
    // path in the base game directory; "" when mustExist and it is in neither.
    QString FilePath(const QString& fileName, bool mustExist = false) const;
    // The game program: Executable below the installation directory, or
    // Executable itself when it is an absolute path.
    QString ProgramPath() const;
    // Starts the plan's program with its arguments, each one argument as it
    // stands, in its working directory: detached, or through start. On
    // failure a text for the user: the program tried, the working directory
    // and the reason.
    using Starter = std::function<Result<>(const QString& program, const QStringList& arguments,
                                           const QString& workingDirectory)>;
    static Result<> Launch(const LaunchPlan& plan, const Starter& start = {});

    // Subdirectories of the installation directory matching the pattern.
    QStringList ListDirectories(const QString& pattern) const;
    // Ordinary files of the current game directory matching the pattern (which
    // may have a subdirectory part), or of the base game directory when the
    // current one has no match.
    QStringList ListFiles(const QString& pattern) const;
    // The maps of a kind; custom maps by their file names.
    QStringList ListMaps(MapKind kind) const;
    // The titles of the 15 saved-game slots, "" for an empty slot.
    QStringList SavedGames() const;
    // The name of a saved-game slot, "save3" for slot 3; and back, the number
    // after the name's first four characters, -1 when there is none.
    static QString SaveSlotName(int slot);
    static int SaveSlotNumber(const QString& name);

    static QString Separator();

private:
    QString mPath;
    QString mExecutable;
    QString mGame;
};

// The one game object of the running program, set while Main runs. Nothing
// reads it: every class that needs the game is handed a Quake2&.
extern Quake2* gQuake2;
