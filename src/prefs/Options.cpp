#include "prefs/Options.h"

#include "game/Quake2.h"
#include "platform/Defaults.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString kSection = QStringLiteral("Options");
}

Options::Options(Quake2& game) : mGame(game) {
    mGame.SetPath(SettingsStore::ReadText(kSection, QStringLiteral("Path"), Defaults::GamePath()));
    mGame.SetExecutable(SettingsStore::ReadText(kSection, QStringLiteral("Executable"),
                                                Defaults::GameExecutable()));
    mTextViewer =
        SettingsStore::ReadText(kSection, QStringLiteral("Viewer"), Defaults::TextViewer());
    mCloseOnLaunch = SettingsStore::ReadBool(kSection, QStringLiteral("CloseOnLaunch"));
}

void Options::Save() const {
    SettingsStore::WriteText(kSection, QStringLiteral("Path"), mGame.Path());
    SettingsStore::WriteText(kSection, QStringLiteral("Executable"), mGame.Executable());
    SettingsStore::WriteText(kSection, QStringLiteral("Viewer"), mTextViewer);
    SettingsStore::WriteBool(kSection, QStringLiteral("CloseOnLaunch"), mCloseOnLaunch);
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

bool Options::ExecutableExists() const {
    // An absolute executable is used as it stands, a relative one below the
    // installation folder.
    const QString executable = mGame.Executable();
    const QString path = QDir::isAbsolutePath(executable) ? executable : mGame.Path() + executable;
    return !executable.isEmpty() && QFileInfo(path).isFile();
}
