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

namespace UserGameFolder {

namespace {

// Below the home folder, in the order the engines search them.
constexpr std::array kBaseFolders{".yq2", ".q2pro", ".quake2"};

} // namespace

bool IsWritable(const QString& folder) {
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

Result<QString> FilePath(const QString& game, const QString& fileName) {
    const QDir home = QDir::home();
    QStringList searched;
    for (const char* base : kBaseFolders) {
        const QString folder = home.filePath(QLatin1String(base));
        if (!QFileInfo(folder).isDir()) {
            searched << QDir::toNativeSeparators(folder);
            continue;
        }
        const QString path = folder + QDir::separator() + game + QDir::separator() + fileName;
        std::error_code error;
        std::filesystem::create_directories(QFileInfo(path).dir().filesystemAbsolutePath(), error);
        if (error)
            return Result<QString>::Failure(
                QCoreApplication::translate("UserGameFolder", "the folder for %1 could not be "
                                                              "created (%2)")
                    .arg(QDir::toNativeSeparators(path), QString::fromStdString(error.message())));
        return path;
    }
    return Result<QString>::Failure(
        QCoreApplication::translate("UserGameFolder",
                                    "the game folder is read-only, and none of the user game "
                                    "folders %1 exists to take the file instead")
            .arg(searched.join(QStringLiteral(", "))));
}

} // namespace UserGameFolder
