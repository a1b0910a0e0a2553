#include "app/Launcher.h"

#include "common/FileIO.h"
#include "common/RecordLoad.h"
#include "common/RecordWriter.h"
#include "common/ScriptWriter.h"
#include "game/Quake2.h"
#include "platform/FileSystem.h"
#include "platform/ProcessStart.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QObject>

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

QStringList Launcher::Arguments() const {
    QStringList arguments;
    if (mDedicated)
        arguments << QStringLiteral("+set") << QStringLiteral("dedicated") << QStringLiteral("1");
    if (!mGame.Game().isEmpty() && !mClientOnly)
        arguments << QStringLiteral("+set") << QStringLiteral("game") << mGame.Game();
    arguments << QStringLiteral("+exec") << mLaunchConfig;
    return arguments;
}

QString Launcher::CommandLine() const {
    return CommandLineText(mGame.Executable(), Arguments());
}

namespace {

template <typename Record>
Result<> SaveRecords(const QString& path, const std::vector<Record>& records) {
    RecordWriter writer;
    for (const Record& record : records)
        record.SaveToFile(writer);
    return WriteWholeFile(path, writer.Bytes());
}

QString BackupPath(const QString& path) {
    return path + QStringLiteral(".bak");
}

} // namespace

QStringList Launcher::LoadCollections() {
    mClients.clear();
    mServers.clear();
    mRemoteServers.clear();
    mUnsafeToSave.clear();

    QStringList problems;
    auto load = [&](const QString& path, auto& records) {
        if (!FileSystem::IsOrdinaryFile(path))
            return;
        const Result<QByteArray> bytes = ReadWholeFile(path);
        const Result<> loaded =
            bytes ? LoadRecords(*bytes, records) : Result<>::Failure(bytes.Error());
        if (loaded)
            return;
        const QString fault = loaded.Error();
        // Keep the original before this run overwrites it at exit.
        QFile::remove(BackupPath(path));
        if (QFile::copy(path, BackupPath(path))) {
            problems << QObject::tr("The file %1 could not be read whole (%2). The records before "
                                    "the fault were loaded; the original file was kept as %3.")
                            .arg(QDir::toNativeSeparators(path), fault,
                                 QDir::toNativeSeparators(BackupPath(path)));
        } else {
            mUnsafeToSave << path;
            problems << QObject::tr("The file %1 could not be read whole (%2), and no copy of it "
                                    "could be made. It will not be overwritten in this run.")
                            .arg(QDir::toNativeSeparators(path), fault);
        }
    };
    load(mClientFile, mClients);
    load(mServerFile, mServers);
    load(mRemoteServerFile, mRemoteServers);
    return problems;
}

QStringList Launcher::SaveCollections() const {
    QStringList problems;
    auto save = [&](const QString& path, const auto& records) {
        if (mUnsafeToSave.contains(path))
            return;
        if (const Result<> saved = SaveRecords(path, records); !saved)
            problems << QObject::tr("The file %1 could not be saved: %2")
                            .arg(QDir::toNativeSeparators(path), saved.Error());
    };
    save(mClientFile, mClients);
    save(mServerFile, mServers);
    save(mRemoteServerFile, mRemoteServers);
    return problems;
}

void Launcher::SelectGame(qint16 serverSelection, const ServerConfig& defaultServer) {
    if (mClientOnly)
        mGame.SetGame(QString());
    else if (serverSelection < 0 || serverSelection >= qint16(mServers.size()))
        mGame.SetGame(defaultServer.Game);
    else
        mGame.SetGame(mServers.at(serverSelection).Game);
}

QString Launcher::LaunchConfigPath() const {
    return mGame.FilePath(mLaunchConfig, false);
}

Result<> Launcher::WriteLaunchConfig(qint16 clientSelection, qint16 serverSelection,
                                     const ServerConfig& defaultServer) {
    SelectGame(serverSelection, defaultServer);
    ScriptWriter script;
    if (!mDedicated) {
        if (clientSelection < 0 || clientSelection >= qint16(mClients.size())) {
            script.Line(QStringLiteral("exec default.cfg"));
            script.Line();
        } else {
            mClients.at(clientSelection).WriteToConfigFile(script);
        }
    }
    if (mClientOnly) {
        if (serverSelection >= 0 && serverSelection < qint16(mRemoteServers.size()))
            script.Line(QStringLiteral("connect ") +
                        ScriptWriter::Value(mRemoteServers.at(serverSelection).ID));
    } else if (serverSelection < 0 || serverSelection >= qint16(mServers.size())) {
        defaultServer.WriteToConfigFile(script, mGame);
    } else {
        mServers.at(serverSelection).WriteToConfigFile(script, mGame);
    }

    // Rewritten at every launch: checked, but not synced to disk.
    const QString path = LaunchConfigPath();
    if (const Result<> written = WriteFileUnsynced(path, script.Bytes()); !written)
        return Result<>::Failure(QObject::tr("The launch config script %1 could not be written: %2")
                                     .arg(QDir::toNativeSeparators(path), written.Error()));
    return {};
}

Result<> Launcher::Launch() const {
    return mGame.Launch(Arguments());
}
