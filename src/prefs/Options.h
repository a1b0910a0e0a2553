#pragma once

#include <QString>

class Quake2;
class SettingsStore;

// The program options: the game's folder and executable (held by the game
// object), the text viewer and the close-on-launch flag, kept in the
// "Options" settings.
class Options {
public:
    explicit Options(Quake2& game);

    void ReadSettings(const SettingsStore& settings);
    void WriteSettings(SettingsStore& settings) const;

    QString TextViewer() const { return mTextViewer; }
    bool CloseOnLaunch() const { return mCloseOnLaunch; }
    // The game's folder and executable, as the dialog shows them.
    QString GamePath() const;
    QString GameExecutable() const;

    // What the dialog's OK applies, in this order.
    void Apply(const QString& path, const QString& executable, const QString& textViewer,
               bool closeOnLaunch);
    // The game program (Quake2::ProgramPath), and whether it is an existing
    // file.
    QString ProgramPath() const;
    bool ExecutableExists() const;

private:
    Quake2& mGame;
    QString mTextViewer;
    bool mCloseOnLaunch = false;
};
