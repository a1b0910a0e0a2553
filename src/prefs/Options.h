#pragma once

#include <QString>

class Quake2;
class SettingsStore;

// The program options: the game's folder and executable (held by the game
// object), the text viewer and the close-on-launch flag. Created from the
// "Options" settings; Save() hands all four keys back to the settings.
class Options {
public:
    explicit Options(Quake2& game);

    void Save(SettingsStore& settings) const;

    QString TextViewer() const { return mTextViewer; }
    bool CloseOnLaunch() const { return mCloseOnLaunch; }

    // What the dialog's OK applies, in this order.
    void Apply(const QString& path, const QString& executable, const QString& textViewer,
               bool closeOnLaunch);
    // True when the game's folder and executable name an existing file.
    bool ExecutableExists() const;

    Quake2& mGame;

private:
    QString mTextViewer;
    bool mCloseOnLaunch = false;
};
