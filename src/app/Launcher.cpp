#include "app/Launcher.h"

#include "game/Quake2.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>

namespace {

const QString kSection = QStringLiteral("Settings");
const QString kTitle = QStringLiteral("Corvale");

QString InStartDirectory(const QString& fileName) {
    return QDir::toNativeSeparators(QDir::currentPath()) + QDir::separator() + fileName;
}

} // namespace

Launcher::Launcher(Quake2& game) : mGame(game) {
    mLaunchConfig = SettingsStore::ReadText(kSection, QStringLiteral("LaunchConfig"),
                                            kTitle + QStringLiteral(".cfg"));
    mClientFile = SettingsStore::ReadText(kSection, QStringLiteral("ClientFile"),
                                          InStartDirectory(QStringLiteral("cvclients.dat")));
    mServerFile = SettingsStore::ReadText(kSection, QStringLiteral("ServerFile"),
                                          InStartDirectory(QStringLiteral("cvservers.dat")));
    mRemoteServerFile = SettingsStore::ReadText(kSection, QStringLiteral("RemoteServerFile"),
                                                InStartDirectory(QStringLiteral("cvremotes.dat")));
    mClientIndex = SettingsStore::ReadInt16(kSection, QStringLiteral("ClientIndex"), -1);
    mServerIndex = SettingsStore::ReadInt16(kSection, QStringLiteral("ServerIndex"), -1);
    mRemoteServerIndex =
        SettingsStore::ReadInt16(kSection, QStringLiteral("RemoteServerIndex"), -1);
    SetLaunchType(SettingsStore::ReadInt16(kSection, QStringLiteral("LaunchType"), ListenServer));
}

void Launcher::WriteSettings() const {
    SettingsStore::WriteText(kSection, QStringLiteral("LaunchConfig"), mLaunchConfig);
    SettingsStore::WriteText(kSection, QStringLiteral("ClientFile"), mClientFile);
    SettingsStore::WriteText(kSection, QStringLiteral("ServerFile"), mServerFile);
    SettingsStore::WriteText(kSection, QStringLiteral("RemoteServerFile"), mRemoteServerFile);
    SettingsStore::WriteInt(kSection, QStringLiteral("ClientIndex"), mClientIndex);
    SettingsStore::WriteInt(kSection, QStringLiteral("ServerIndex"), mServerIndex);
    SettingsStore::WriteInt(kSection, QStringLiteral("RemoteServerIndex"), mRemoteServerIndex);
    SettingsStore::WriteInt(kSection, QStringLiteral("LaunchType"), CurrentLaunchType());
}

// Any value but 0 and 2 is the listen server.
void Launcher::SetLaunchType(int type) {
    mDedicated = type == DedicatedServer;
    mClientOnly = type == ClientOnly;
}

Launcher::LaunchType Launcher::CurrentLaunchType() const {
    if (mClientOnly)
        return ClientOnly;
    return mDedicated ? DedicatedServer : ListenServer;
}

QString Launcher::CommandLine() const {
    QString line = mGame.Executable();
    if (mDedicated)
        line += QStringLiteral(" +set dedicated 1");
    if (!mGame.Game().isEmpty() && !mClientOnly)
        line += QStringLiteral(" +set game ") + mGame.Game();
    line += QStringLiteral(" +exec ") + mLaunchConfig;
    return line;
}
