#pragma once

#include "client/ServerAddr.h"
#include "client/UserProfile.h"
#include "common/Result.h"
#include "game/LaunchPlan.h"
#include "server/ServerConfig.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <array>
#include <optional>
#include <utility>
#include <vector>

class Quake2;
class SettingsStore;

// The launcher's state between runs: the record file paths, the launch
// script name, the three saved list selections and the launch type, read
// from the "Settings" section and handed back to it at the end of the run.
// Composes every launch.
class Launcher {
    Q_DECLARE_TR_FUNCTIONS(Launcher)

public:
    enum LaunchType : qint16 { DedicatedServer = 0, ListenServer = 1, ClientOnly = 2 };
    // The list rows selected when the run ended; -1 for none.
    struct Selections {
        qint16 client = -1;
        qint16 server = -1;
        qint16 remoteServer = -1;
    };
    struct RecordFiles {
        QString clients;
        QString servers;
        QString remoteServers;
    };

    explicit Launcher(Quake2& game);

    void ReadSettings(const SettingsStore& settings);
    void WriteSettings(SettingsStore& settings) const;

    // Any value but 0 and 2 is the listen server.
    void SetLaunchType(int type);
    LaunchType Type() const { return mType; }

    // Reading a list leaves it as loaded; the access for a change marks it to
    // be saved at the end of the run.
    const std::vector<UserProfile>& Clients() const { return mClients; }
    const std::vector<ServerConfig>& Servers() const { return mServers; }
    const std::vector<ServerAddr>& RemoteServers() const { return mRemoteServers; }
    std::vector<UserProfile>& Clients() { return Changing(0, mClients); }
    std::vector<ServerConfig>& Servers() { return Changing(1, mServers); }
    std::vector<ServerAddr>& RemoteServers() { return Changing(2, mRemoteServers); }
    Selections& SavedSelections() { return mSelections; }
    const RecordFiles& Files() const { return mFiles; }
    void SetFiles(const RecordFiles& files);

    // Fills the three collections from their record files; fails with a
    // message for each file that needs the user's attention. A file that
    // could not be read whole keeps the records before the fault and its
    // original is copied to "<file>.bak". A file that could not be read at
    // all, that is not an ordinary file, or that an earlier list already uses
    // is not written at the end of the run.
    Result<> LoadCollections();
    // Writes the three collections to their files. A list that was read whole
    // and clean and not changed since, from a file that is still as it was
    // read, is not even put together; a file whose bytes would not change is
    // left alone. Fails with a message for each file that could not be
    // written (that file keeps its old contents).
    Result<> SaveCollections() const;

    // Sets the game's current game directory for the selected server list
    // entry (-1 for none) and launch type.
    void SelectGame(qint16 serverSelection, const ServerConfig& defaultServer);
    // Fails with a message naming the folder and the program looked for when
    // the game's folder or program does not exist.
    Result<> CheckGameFound() const;
    // Runs SelectGame and composes the launch for the selections: the game's
    // arguments, each value one argument, and the launch config script. The
    // script goes into the game directory; when that directory is read-only
    // (a game installed by the system) into the user game folder that the
    // game program reads first, so the command line stays the same. Fails
    // with a message when a game folder or script name would be split by the
    // game's console, when the game is not found, when the script has no
    // place, or when a map list cannot be read.
    Result<LaunchPlan> Plan(qint16 clientSelection, qint16 serverSelection,
                            const ServerConfig& defaultServer);
    // What a launch for the selection starts, as the status bar tells it.
    QString StartedText(qint16 serverSelection, const ServerConfig& defaultServer) const;
    // Writes the plan's launch config script; a failed write keeps the old
    // script. On failure a message naming the script and the reason.
    static Result<> WriteLaunchConfig(const LaunchPlan& plan);

private:
    QStringList Arguments() const;
    Result<> CheckConsoleArguments() const;
    Result<QByteArray> Script(qint16 clientSelection, qint16 serverSelection,
                              const ServerConfig& defaultServer) const;
    Result<QString> LaunchConfigTarget(const QString& installed) const;
    template <typename Records> Records& Changing(int list, Records& records) {
        mListFiles[list].asRead.reset();
        return records;
    }
    bool Unchanged(int list, const QString& path) const;

    Quake2& mGame;
    std::vector<UserProfile> mClients;
    std::vector<ServerConfig> mServers;
    std::vector<ServerAddr> mRemoteServers;
    LaunchType mType = ListenServer;
    QString mLaunchConfig;
    RecordFiles mFiles;
    Selections mSelections;
    // What the load learnt of the profile, server and remote server files.
    struct ListFile {
        // False when this run must not write the file (see LoadCollections).
        bool saveable = true;
        // The file's size and time while the list holds what was read from it
        // whole and clean; empty once the list may differ from the file (a
        // change, a file that was missing, damaged or not all UTF-8).
        std::optional<std::pair<qint64, QDateTime>> asRead;
    };
    std::array<ListFile, 3> mListFiles;
};
