#include "game/Quake2.h"

#include "common/Names.h"
#include "platform/Defaults.h"
#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>

Quake2* gQuake2 = nullptr;

using namespace Qt::StringLiterals;

namespace {

const QStringList kSinglePlayerLevels = {
    u"base1"_s,   u"base2"_s,   u"base3"_s, u"train"_s,   u"bunk1"_s,  u"ware1"_s,    u"ware2"_s,
    u"jail1"_s,   u"jail2"_s,   u"jail3"_s, u"jail4"_s,   u"jail5"_s,  u"security"_s, u"mintro"_s,
    u"mine1"_s,   u"mine2"_s,   u"mine3"_s, u"mine4"_s,   u"fact1"_s,  u"fact2"_s,    u"fact3"_s,
    u"power1"_s,  u"power2"_s,  u"cool1"_s, u"waste1"_s,  u"waste2"_s, u"waste3"_s,   u"biggun"_s,
    u"hangar1"_s, u"hangar2"_s, u"lab"_s,   u"command"_s, u"strike"_s, u"space"_s,    u"city1"_s,
    u"city2"_s,   u"city3"_s,   u"boss1"_s, u"boss2"_s};
const QStringList kXatrixSinglePlayerLevels = {
    u"xswamp"_s,   u"xsewer1"_s,  u"xsewer2"_s,  u"xcompnd1"_s, u"xcompnd2"_s, u"xreactor"_s,
    u"xware"_s,    u"xintel"_s,   u"industry"_s, u"outbase"_s,  u"refinery"_s, u"w_treat"_s,
    u"badlands"_s, u"xhangar1"_s, u"xhangar2"_s, u"xship"_s,    u"xmoon1"_s,   u"xmoon2"_s};
const QStringList kDeathmatchLevels = {u"q2dm1"_s, u"q2dm2"_s, u"q2dm3"_s, u"q2dm4"_s,
                                       u"q2dm5"_s, u"q2dm6"_s, u"q2dm7"_s, u"match1"_s};
const QStringList kXatrixDeathmatchLevels = {u"xdm1"_s, u"xdm2"_s, u"xdm3"_s, u"xdm4"_s,
                                             u"xdm5"_s, u"xdm6"_s, u"xdm7"_s};

constexpr qint64 kSaveTitleBytes = 32;
const QString kSaveSlotPrefix = QStringLiteral("save");

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

QString Quake2::GameFolder(const QString& game) const {
    return mPath + game + Separator();
}

QString Quake2::FilePath(const QString& fileName, bool mustExist) const {
    if (!mGame.isEmpty()) {
        const QString candidate = GameFolder(mGame) + fileName;
        if (FileSystem::IsOrdinaryFile(candidate))
            return candidate;
    }
    const QString candidate = GameFolder(kBaseGame) + fileName;
    return mustExist && !FileSystem::IsOrdinaryFile(candidate) ? QString() : candidate;
}

QString Quake2::ProgramPath() const {
    return QDir::toNativeSeparators(QDir(mPath).absoluteFilePath(mExecutable));
}

Result<> Quake2::Launch(const LaunchPlan& plan, const Starter& start) {
    const Result<> started =
        start ? start(plan.program, plan.arguments, plan.workingDirectory)
              : StartProcess(plan.program, plan.arguments, plan.workingDirectory);
    if (started)
        return started;
    return Result<>::Failure(
        tr("Program: %1\nWorking directory: %2\nReason: %3")
            .arg(plan.program, QDir::toNativeSeparators(plan.workingDirectory), started.Error()));
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
    QStringList files;
    if (!mGame.isEmpty())
        files = FileSystem::List(GameFolder(mGame) + pattern, FileSystem::Entries::FilesOnly);
    if (files.isEmpty() && mGame != kBaseGame)
        files = FileSystem::List(GameFolder(kBaseGame) + pattern, FileSystem::Entries::FilesOnly);
    return files;
}

QStringList Quake2::ListMaps(MapKind kind) const {
    const bool xatrix = mGame == QLatin1String("xatrix");
    switch (kind) {
    case MapKind::SinglePlayerLevels:
        return xatrix ? kXatrixSinglePlayerLevels : kSinglePlayerLevels;
    case MapKind::DeathmatchLevels:
        return xatrix ? kXatrixDeathmatchLevels : kDeathmatchLevels;
    case MapKind::CustomMaps:
        return ListFiles(QStringLiteral("maps") + Separator() + u'*' + kMapFileEnding.toString());
    }
    return {};
}

QStringList Quake2::SavedGames() const {
    const QString saveRoot =
        GameFolder(mGame.isEmpty() ? kBaseGame : mGame) + QStringLiteral("save") + Separator();
    QStringList titles;
    for (int slot = 0; slot < kSavedGameSlots; ++slot) {
        const QString slotFile =
            saveRoot + SaveSlotName(slot) + Separator() + QStringLiteral("server.ssv");
        QString title;
        QFile file(slotFile);
        if (FileSystem::IsOrdinaryFile(slotFile) && file.open(QIODevice::ReadOnly))
            title = QString::fromLatin1(file.read(kSaveTitleBytes));
        titles << title;
    }
    return titles;
}

QString Quake2::SaveSlotName(int slot) {
    return kSaveSlotPrefix + QString::number(slot);
}

int Quake2::SaveSlotNumber(const QString& name) {
    bool isNumber = false;
    const int slot = name.mid(kSaveSlotPrefix.size()).toInt(&isNumber);
    return isNumber && slot >= 0 ? slot : -1;
}
