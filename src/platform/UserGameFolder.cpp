#include "platform/UserGameFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <array>
#include <filesystem>
#include <system_error>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Below the home folder, in the order the engines search them.
constexpr std::array kBaseFolders{".yq2", ".q2pro", ".quake2"};

// The folder of an engine known by its program's name (its dedicated server
// "q2proded" included); empty for any other program.
QString OwnBaseFolder(const QString& program) {
    const QString name = QFileInfo(program).fileName().toLower();
    if (name.startsWith(QLatin1String("q2pro")))
        return QStringLiteral(".q2pro");
    if (name.startsWith(QLatin1String("yquake2")))
        return QStringLiteral(".yq2");
    return {};
}

Result<QString> NotAFolder(const QString& folder) {
    return Result<QString>::Failure(
        UserGameFolder::tr("the game folder is read-only, and the user game folder %1 "
                           "that should take the file instead is not a folder; remove "
                           "or rename it")
            .arg(QDir::toNativeSeparators(folder)));
}

// The user game folder that the program reads: its own, whether it exists or
// not, else the first existing one.
Result<QString> BaseFolder(const QString& program) {
    const QDir home = QDir::home();
    if (const QString own = OwnBaseFolder(program); !own.isEmpty()) {
        const QString folder = home.filePath(own);
        const QFileInfo info(folder);
        return info.exists() && !info.isDir() ? NotAFolder(folder) : Result<QString>(folder);
    }
    QStringList searched;
    QString firstNotAFolder;
    for (const char* name : kBaseFolders) {
        const QString folder = home.filePath(QLatin1String(name));
        const QFileInfo info(folder);
        if (info.isDir())
            return folder;
        if (info.exists() && firstNotAFolder.isEmpty())
            firstNotAFolder = folder;
        searched << QDir::toNativeSeparators(folder);
    }
    if (!firstNotAFolder.isEmpty())
        return NotAFolder(firstNotAFolder);
    return Result<QString>::Failure(
        UserGameFolder::tr("the game folder is read-only, and none of the user game "
                           "folders %1 exists to take the file instead")
            .arg(searched.join(QStringLiteral(", "))));
}

} // namespace

bool UserGameFolder::IsWritable(const QString& folder) {
#ifdef Q_OS_WIN
    return QFileInfo(folder).isWritable();
#else
    const QByteArray native = QFile::encodeName(folder);
    if (access(native.constData(), W_OK) != 0)
        return false;
    if (geteuid() != 0)
        return true;
    struct stat status {};
    return stat(native.constData(), &status) == 0 &&
           (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
#endif
}

Result<QString> UserGameFolder::FilePath(const QString& program, const QString& game,
                                         const QString& fileName) {
    const Result<QString> base = BaseFolder(program);
    if (!base)
        return base;
    const QString path = *base + QDir::separator() + game + QDir::separator() + fileName;
    std::error_code error;
    std::filesystem::create_directories(QFileInfo(path).dir().filesystemAbsolutePath(), error);
    if (error)
        return Result<QString>::Failure(
            UserGameFolder::tr("the folder for %1 could not be created (%2)")
                .arg(QDir::toNativeSeparators(path), QString::fromStdString(error.message())));
    return path;
}
