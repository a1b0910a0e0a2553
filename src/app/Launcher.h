#pragma once

#include "client/ServerAddr.h"
#include "client/UserProfile.h"
#include "common/Result.h"
#include "server/ServerConfig.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class Quake2;
class SettingsStore;

// The launcher's state between runs: the record file paths, the launch
// script name, the three saved list selections and the launch type. Created
// with the main window (reading the "Settings" section) and handed back to
// the settings by WriteSettings() at the end of the run.
class Launcher {
    Q_DECLARE_TR_FUNCTIONS(Launcher)

public:
    enum LaunchType : qint16 { DedicatedServer = 0, ListenServer = 1, ClientOnly = 2 };

    explicit Launcher(Quake2& game);

    void WriteSettings(SettingsStore& settings) const;

    void SetLaunchType(int type);
    LaunchType CurrentLaunchType() const;

    // The game's arguments for the launch type and the game's current game
    // directory, each value one argument.
    QStringList Arguments() const;
    // The executable and the arguments as the user reads them, a value quoted
    // where it holds a blank or a quote.
    QString CommandLine() const;

    // Fills the three collections from their record files; returns a message
    // for each file that needs the user's attention. A file that could not be
    // read whole keeps the records before the fault and its original is
    // copied to "<file>.bak". A file that could not be read at all, that is
    // not an ordinary file, or that an earlier list already uses is not
    // written at the end of the run.
    QStringList LoadCollections();
    // Writes the three collections to their files, leaving a file alone whose
    // bytes would not change; returns a message for each file that could not
    // be written (that file keeps its old contents).
    QStringList SaveCollections() const;

    // Sets the game's current game directory for the selected server list
    // entry (-1 for none) and launch type.
    void SelectGame(qint16 serverSelection, const ServerConfig& defaultServer);
    // Where the last WriteLaunchConfig wrote the launch config script; before
    // that (or after a failed write), where it goes in the game installation.
    QString LaunchConfigPath() const;
    // Runs SelectGame and writes the launch config script for the selections
    // into the game directory. When that directory is read-only (a game
    // installed by the system) the script goes into the user game folder
    // that the game program reads first, so the command line stays the same.
    // On failure a message naming the script and the reason. A game folder or
    // script name that the game's console would split stops it before
    // anything is written.
    Result<> WriteLaunchConfig(qint16 clientSelection, qint16 serverSelection,
                               const ServerConfig& defaultServer);
    // Starts the game with the arguments; run after WriteLaunchConfig, so the
    // game never runs a stale script. On failure the program tried, the
    // working directory and the reason.
    Result<> Launch() const;

    std::vector<UserProfile> mClients;
    std::vector<ServerConfig> mServers;
    std::vector<ServerAddr> mRemoteServers;

    Quake2& mGame;
    QString mLaunchConfig;
    QString mClientFile;
    QString mServerFile;
    QString mRemoteServerFile;
    qint16 mClientIndex = -1;
    qint16 mServerIndex = -1;
    qint16 mRemoteServerIndex = -1;
    bool mDedicated = false;
    bool mClientOnly = false;

private:
    Result<> CheckConsoleArguments() const;
    Result<QString> LaunchConfigTarget(const QString& installed) const;

    QString mWrittenLaunchConfig;
    // For the profile, server and remote server files: false when this run
    // must not write the file (see LoadCollections).
    std::array<bool, 3> mSaveable{true, true, true};
};
