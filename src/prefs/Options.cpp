#include "prefs/Options.h"

#include "game/Quake2.h"
#include "platform/SettingsStore.h"

#include <QFileInfo>

Options::Options(Quake2& game) : mGame(game) {}

void Options::ReadSettings(const SettingsStore& settings) {
    Apply(settings.Read(Setting::Path), settings.Read(Setting::Executable),
          settings.Read(Setting::Viewer), settings.Read(Setting::CloseOnLaunch));
}

void Options::WriteSettings(SettingsStore& settings) const {
    settings.Write(Setting::Path, mGame.Path());
    settings.Write(Setting::Executable, mGame.Executable());
    settings.Write(Setting::Viewer, mTextViewer);
    settings.Write(Setting::CloseOnLaunch, mCloseOnLaunch);
}

QString Options::GamePath() const {
    return mGame.Path();
}

QString Options::GameExecutable() const {
    return mGame.Executable();
}

void Options::Apply(const QString& path, const QString& executable, const QString& textViewer,
                    bool closeOnLaunch) {
    mGame.SetPath(path);
    mGame.SetExecutable(executable);
    mTextViewer = textViewer;
    mCloseOnLaunch = closeOnLaunch;
}

QString Options::ProgramPath() const {
    return mGame.ProgramPath();
}

bool Options::ExecutableExists() const {
    return QFileInfo(ProgramPath()).isFile();
}
