#include "game/Quake2.h"

#include "platform/Defaults.h"
#include "platform/FileSystem.h"
#include "platform/ProcessStart.h"

#include <QDir>
#include <QFile>

Quake2* gQuake2 = nullptr;

namespace {

const QString kBaseGame = QStringLiteral("baseq2");

const QStringList kSinglePlayerLevels = {
    "base1",  "base2",  "base3",  "train",  "bunk1",    "ware1",   "ware2",  "jail1",
    "jail2",  "jail3",  "jail4",  "jail5",  "security", "mintro",  "mine1",  "mine2",
    "mine3",  "mine4",  "fact1",  "fact2",  "fact3",    "power1",  "power2", "cool1",
    "waste1", "waste2", "waste3", "biggun", "hangar1",  "hangar2", "lab",    "command",
    "strike", "space",  "city1",  "city2",  "city3",    "boss1",   "boss2"};
const QStringList kXatrixSinglePlayerLevels = {
    "xswamp",   "xsewer1",  "xsewer2",  "xcompnd1", "xcompnd2", "xreactor",
    "xware",    "xintel",   "industry", "outbase",  "refinery", "w_treat",
    "badlands", "xhangar1", "xhangar2", "xship",    "xmoon1",   "xmoon2"};
const QStringList kDeathmatchLevels = {"q2dm1", "q2dm2", "q2dm3", "q2dm4",
                                       "q2dm5", "q2dm6", "q2dm7", "match1"};
const QStringList kXatrixDeathmatchLevels = {"xdm1", "xdm2", "xdm3", "xdm4",
                                             "xdm5", "xdm6", "xdm7"};

constexpr qint64 kSaveTitleBytes = 32;

} // namespace

Quake2::Quake2() : mExecutable(Defaults::GameExecutable()) {
    SetPath(Defaults::GamePath());
}

QString Quake2::Separator() {
    return QString(QDir::separator());
}

void Quake2::SetPath(const QString& path) {
    mPath = path;
    if (!mPath.endsWith(Separator()))
        mPath += Separator();
}

QString Quake2::GameDirectory() const {
    return mPath + (mGame.isEmpty() ? kBaseGame : mGame);
}

QString Quake2::FilePath(const QString& fileName, bool mustExist) const {
    if (!mGame.isEmpty()) {
        const QString candidate = mPath + mGame + Separator() + fileName;
        if (FileSystem::IsOrdinaryFile(candidate))
            return candidate;
    }
    const QString candidate = mPath + kBaseGame + Separator() + fileName;
    if (mustExist && !FileSystem::IsOrdinaryFile(candidate))
        return QString();
    return candidate;
}

QString Quake2::ProgramPath() const {
    return QDir::toNativeSeparators(QDir(mPath).absoluteFilePath(mExecutable));
}

Result<> Quake2::Launch(const QStringList& arguments) const {
    const Result<> started = StartProcess(ProgramPath(), arguments, mPath);
    if (started)
        return started;
    return Result<>::Failure(
        tr("Program: %1\nWorking directory: %2\nReason: %3")
            .arg(ProgramPath(), QDir::toNativeSeparators(mPath), started.Error()));
}

QStringList Quake2::ListDirectories(const QString& pattern) const {
    QStringList directories;
    for (const QString& name :
         FileSystem::List(mPath + pattern, FileSystem::Entries::FilesAndDirectories)) {
        if (QFileInfo(mPath + name).isDir())
            directories << name;
    }
    return directories;
}

QStringList Quake2::ListFiles(const QString& pattern) const {
    if (mGame.isEmpty())
        return FileSystem::List(mPath + kBaseGame + Separator() + pattern,
                                FileSystem::Entries::FilesOnly);
    QStringList files =
        FileSystem::List(mPath + mGame + Separator() + pattern, FileSystem::Entries::FilesOnly);
    if (files.isEmpty() && mGame != kBaseGame)
        files = FileSystem::List(mPath + kBaseGame + Separator() + pattern,
                                 FileSystem::Entries::FilesOnly);
    return files;
}

QStringList Quake2::ListMaps(int kind) const {
    const bool xatrix = mGame == QLatin1String("xatrix");
    switch (kind) {
    case 0:
        return xatrix ? kXatrixSinglePlayerLevels : kSinglePlayerLevels;
    case 1:
        return xatrix ? kXatrixDeathmatchLevels : kDeathmatchLevels;
    case 2:
        return ListFiles(QStringLiteral("maps") + Separator() + QStringLiteral("*.bsp"));
    default:
        return {};
    }
}

QStringList Quake2::SavedGames() const {
    const QString saveRoot = GameDirectory() + Separator() + QStringLiteral("save") + Separator();
    QStringList titles;
    for (int slot = 0; slot < kSavedGameSlots; ++slot) {
        const QString slotFile = saveRoot + QStringLiteral("save%1").arg(slot) + Separator() +
                                 QStringLiteral("server.ssv");
        QString title;
        QFile file(slotFile);
        if (FileSystem::IsOrdinaryFile(slotFile) && file.open(QIODevice::ReadOnly))
            title = QString::fromLatin1(file.read(kSaveTitleBytes));
        titles << title;
    }
    return titles;
}
