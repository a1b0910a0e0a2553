#pragma once

#include <QString>

class Quake2;

// The launcher's state between runs: the record file paths, the launch
// script name, the three saved list selections and the launch type. Created
// with the main window (reading the "Settings" section) and written back by
// WriteSettings() at the end of the run.
class Launcher {
public:
    enum LaunchType : qint16 { DedicatedServer = 0, ListenServer = 1, ClientOnly = 2 };

    explicit Launcher(Quake2& game);

    void WriteSettings() const;

    void SetLaunchType(int type);
    LaunchType CurrentLaunchType() const;

    // The game's command line for the launch type and the game's current
    // game directory, unquoted.
    QString CommandLine() const;

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
};
