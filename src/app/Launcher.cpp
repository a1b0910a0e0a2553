#include "app/Launcher.h"

#include "common/FileIO.h"
#include "common/Names.h"
#include "common/RecordLoad.h"
#include "common/RecordWriter.h"
#include "common/RowInRange.h"
#include "common/ScriptWriter.h"
#include "game/Quake2.h"
#include "platform/ProcessStart.h"
#include "platform/SettingsStore.h"
#include "platform/UserGameFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

Launcher::Launcher(Quake2& game) : mGame(game) {}

void Launcher::ReadSettings(const SettingsStore& settings) {
    mLaunchConfig = settings.Read(Setting::LaunchConfig);
    mFiles = {settings.Read(Setting::ClientFile), settings.Read(Setting::ServerFile),
              settings.Read(Setting::RemoteServerFile)};
    mSelections = {settings.Read(Setting::ClientIndex), settings.Read(Setting::ServerIndex),
                   settings.Read(Setting::RemoteServerIndex)};
    SetLaunchType(settings.Read(Setting::LaunchType));
}

void Launcher::WriteSettings(SettingsStore& settings) const {
    settings.Write(Setting::LaunchConfig, mLaunchConfig);
    settings.Write(Setting::ClientFile, mFiles.clients);
    settings.Write(Setting::ServerFile, mFiles.servers);
    settings.Write(Setting::RemoteServerFile, mFiles.remoteServers);
    settings.Write(Setting::ClientIndex, mSelections.client);
    settings.Write(Setting::ServerIndex, mSelections.server);
    settings.Write(Setting::RemoteServerIndex, mSelections.remoteServer);
    settings.Write(Setting::LaunchType, mType);
}

void Launcher::SetLaunchType(int type) {
    mType = type == DedicatedServer || type == ClientOnly ? LaunchType(type) : ListenServer;
}

QStringList Launcher::Arguments() const {
    QStringList arguments;
    if (mType == DedicatedServer)
        arguments << QStringLiteral("+set") << QStringLiteral("dedicated") << QStringLiteral("1");
    if (!mGame.Game().isEmpty() && mType != ClientOnly)
        arguments << QStringLiteral("+set") << QStringLiteral("game") << mGame.Game();
    arguments << QStringLiteral("+exec") << mLaunchConfig;
    return arguments;
}

namespace {

template <typename Record> QByteArray RecordBytes(const std::vector<Record>& records) {
    RecordWriter writer;
    for (const Record& record : records)
        record.SaveToFile(writer);
    return writer.Bytes();
}

// A file's size and time of its last change, to tell whether it is still
// the file that was read.
std::pair<qint64, QDateTime> FileStamp(const QFileInfo& info) {
    return {info.size(), info.lastModified()};
}

QString BackupPath(const QString& path) {
    return path + QStringLiteral(".bak");
}

// The same text for two names of one file (a relative name, a link).
QString FileIdentity(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

QString ScriptNotWritten(const QString& path, const QString& reason) {
    return Launcher::tr("The launch config script %1 could not be written: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

// The messages, one paragraph each; success when there are none.
Result<> Problems(const QStringList& problems) {
    if (problems.isEmpty())
        return {};
    return Result<>::Failure(problems.join(QStringLiteral("\n\n")));
}

} // namespace

Result<> Launcher::LoadCollections() {
    mClients.clear();
    mServers.clear();
    mRemoteServers.clear();
    mListFiles.fill({});

    QStringList problems;
    QStringList filesInUse;
    auto load = [&](int list, const QString& path, auto& records) {
        const QString shown = QDir::toNativeSeparators(path);
        const QString identity = FileIdentity(path);
        if (filesInUse.contains(identity)) {
            mListFiles[list].saveable = false;
            problems << tr("The file %1 is named for two lists. It keeps the first of "
                           "them; the other starts empty and will not be saved.")
                            .arg(shown);
            return;
        }
        filesInUse << identity;
        const QFileInfo info(path);
        if (!info.exists())
            return;
        if (!info.isFile()) {
            mListFiles[list].saveable = false;
            problems << tr("%1 is not an ordinary file. It was not read, and it will not "
                           "be overwritten in this run.")
                            .arg(shown);
            return;
        }
        const Result<QByteArray> bytes = ReadWholeFile(path);
        if (!bytes) {
            mListFiles[list].saveable = false;
            problems << tr("The file %1 could not be read (%2). It will not be "
                           "overwritten in this run.")
                            .arg(shown, bytes.Error());
            return;
        }
        const Result<> loaded = LoadRecords(*bytes, records);
        if (loaded) {
            mListFiles[list].asRead = FileStamp(info);
            return;
        }
        // Keep the original before this run overwrites it at exit.
        QFile::remove(BackupPath(path));
        if (QFile::copy(path, BackupPath(path))) {
            problems << tr("The file %1 could not be read whole and clean (%2). Every record "
                           "that could be read was loaded; the original file was kept as %3.")
                            .arg(shown, loaded.Error(), QDir::toNativeSeparators(BackupPath(path)));
        } else {
            mListFiles[list].saveable = false;
            problems << tr("The file %1 could not be read whole (%2), and no copy of it "
                           "could be made. It will not be overwritten in this run.")
                            .arg(shown, loaded.Error());
        }
    };
    load(0, mFiles.clients, mClients);
    load(1, mFiles.servers, mServers);
    load(2, mFiles.remoteServers, mRemoteServers);
    return Problems(problems);
}

void Launcher::SetFiles(const RecordFiles& files) {
    mFiles = files;
    for (ListFile& file : mListFiles)
        file.asRead.reset();
}

// Saving an unchanged list would only put together the file's own bytes
// again; a file replaced or removed since it was read is written as before.
bool Launcher::Unchanged(int list, const QString& path) const {
    return mListFiles[list].asRead == FileStamp(QFileInfo(path));
}

Result<> Launcher::SaveCollections() const {
    QStringList problems;
    auto save = [&](int list, const QString& path, const auto& records) {
        if (!mListFiles[list].saveable || Unchanged(list, path))
            return;
        const QByteArray bytes = RecordBytes(records);
        // An unchanged file is already the durable copy: rewriting it would
        // only cost a sync.
        if (QFileInfo(path).isFile()) {
            if (const Result<QByteArray> old = ReadWholeFile(path); old && *old == bytes)
                return;
        }
        if (const Result<> saved = WriteWholeFile(path, bytes); !saved)
            problems << tr("The file %1 could not be saved: %2")
                            .arg(QDir::toNativeSeparators(path), saved.Error());
    };
    save(0, mFiles.clients, mClients);
    save(1, mFiles.servers, mServers);
    save(2, mFiles.remoteServers, mRemoteServers);
    return Problems(problems);
}

void Launcher::SelectGame(qint16 serverSelection, const ServerConfig& defaultServer) {
    if (mType == ClientOnly)
        mGame.SetGame(QString());
    else if (RowInRange(serverSelection, std::ssize(mServers)))
        mGame.SetGame(mServers.at(serverSelection).Game);
    else
        mGame.SetGame(defaultServer.Game);
}

// The installation's script path, or, where its folder is read-only, the
// same file in the user's game folder; on failure the reason.
Result<QString> Launcher::LaunchConfigTarget(const QString& installed) const {
#ifndef Q_OS_WIN
    const QFileInfo folder(QFileInfo(installed).absolutePath());
    if (folder.isDir() && !UserGameFolder::IsWritable(folder.filePath())) {
        const bool inCurrentGame =
            !mGame.Game().isEmpty() && installed.startsWith(mGame.GameFolder(mGame.Game()));
        return UserGameFolder::FilePath(mGame.Executable(),
                                        inCurrentGame ? mGame.Game() : kBaseGame, mLaunchConfig);
    }
#endif
    return installed;
}

// The game reads its "+set game" and "+exec" arguments as console commands,
// so a value there that the console would split runs commands of its own.
Result<> Launcher::CheckConsoleArguments() const {
    // A line break is shown as a visible mark, so the value stays on one line.
    const auto shown = [](const QString& value) { return ScriptWriter::OneLine(value, u'\u21B5'); };
    if (ScriptWriter::ConsoleWouldSplit(mGame.Game()))
        return Result<>::Failure(
            tr("The game folder \"%1\" of the server configuration cannot be passed to the "
               "game: its console would read a ';', a '\"' or a line break in the name as the "
               "end of a command and run the rest as commands of their own. Choose another "
               "game folder.")
                .arg(shown(mGame.Game())));
    if (ScriptWriter::ConsoleWouldSplit(mLaunchConfig))
        return Result<>::Failure(
            tr("The launch config script name \"%1\" (the setting LaunchConfig) cannot be "
               "passed to the game: its console would read a ';', a '\"' or a line break in the "
               "name as the end of a command and run the rest as commands of their own. Give "
               "the setting a plain file name.")
                .arg(shown(mLaunchConfig)));
    return {};
}

Result<QByteArray> Launcher::Script(qint16 clientSelection, qint16 serverSelection,
                                    const ServerConfig& defaultServer) const {
    ScriptWriter script;
    if (mType != DedicatedServer) {
        if (RowInRange(clientSelection, std::ssize(mClients))) {
            mClients.at(clientSelection).WriteToConfigFile(script);
        } else {
            script.Line(QStringLiteral("exec default.cfg"));
            script.Line();
        }
    }
    if (mType == ClientOnly) {
        if (RowInRange(serverSelection, std::ssize(mRemoteServers)))
            script.Line(QStringLiteral("connect ") +
                        ScriptWriter::Value(mRemoteServers.at(serverSelection).ID));
        return script.Bytes();
    }
    const ServerConfig& server = RowInRange(serverSelection, std::ssize(mServers))
                                     ? mServers.at(serverSelection)
                                     : defaultServer;
    if (const Result<> written = server.WriteToConfigFile(script, mGame); !written)
        return Result<QByteArray>::Failure(written.Error());
    return script.Bytes();
}

Result<> Launcher::CheckGameFound() const {
    if (QFileInfo(mGame.Path()).isDir() && QFileInfo(mGame.ProgramPath()).isFile())
        return {};
    return Result<>::Failure(tr("Quake2 was not found\n\nGame folder: %1\nProgram: %2\n\n"
                                "The game's folder and program are set under View > Options.")
                                 .arg(QDir::toNativeSeparators(mGame.Path()),
                                      QDir::toNativeSeparators(mGame.ProgramPath())));
}

Result<LaunchPlan> Launcher::Plan(qint16 clientSelection, qint16 serverSelection,
                                  const ServerConfig& defaultServer) {
    if (const Result<> found = CheckGameFound(); !found)
        return Result<LaunchPlan>::Failure(found.Error());
    SelectGame(serverSelection, defaultServer);
    if (const Result<> passable = CheckConsoleArguments(); !passable)
        return Result<LaunchPlan>::Failure(passable.Error());
    const Result<QByteArray> script = Script(clientSelection, serverSelection, defaultServer);
    if (!script)
        return Result<LaunchPlan>::Failure(script.Error());
    const QString installed = mGame.FilePath(mLaunchConfig, false);
    const Result<QString> path = LaunchConfigTarget(installed);
    if (!path)
        return Result<LaunchPlan>::Failure(ScriptNotWritten(installed, path.Error()));
    return LaunchPlan{
        mGame.Executable(), mGame.ProgramPath(), Arguments(), mGame.Path(), *script, *path};
}

QString Launcher::StartedText(qint16 serverSelection, const ServerConfig& defaultServer) const {
    QString name;
    if (mType == ClientOnly) {
        if (RowInRange(serverSelection, std::ssize(mRemoteServers)))
            name = mRemoteServers.at(serverSelection).ID;
    } else {
        name = RowInRange(serverSelection, std::ssize(mServers)) ? mServers.at(serverSelection).ID
                                                                 : defaultServer.ID;
    }
    // One line in the status bar, whatever the name holds.
    name = name.simplified();
    switch (mType) {
    case DedicatedServer:
        return name.isEmpty() ? tr("Quake2 started: dedicated server")
                              : tr("Quake2 started: dedicated server, %1").arg(name);
    case ClientOnly:
        return name.isEmpty() ? tr("Quake2 started: client")
                              : tr("Quake2 started: client, connecting to %1").arg(name);
    case ListenServer:
        break;
    }
    return name.isEmpty() ? tr("Quake2 started: listen server")
                          : tr("Quake2 started: listen server, %1").arg(name);
}

Result<> Launcher::WriteLaunchConfig(const LaunchPlan& plan) {
    // Rewritten at every launch: checked, but not synced to disk.
    if (const Result<> written = WriteFileUnsynced(plan.scriptPath, plan.script); !written)
        return Result<>::Failure(ScriptNotWritten(plan.scriptPath, written.Error()));
    return {};
}
