#include "common/FileIO.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <filesystem>

namespace {

// The context of the texts below.
class FileIO {
    Q_DECLARE_TR_FUNCTIONS(FileIO)
};

// Why a write or flush failed. A short write on a full disk sets no error of
// its own.
QString WriteFailure(const QFileDevice& file) {
    return file.error() != QFileDevice::NoError ? file.errorString() : FileIO::tr("disk full");
}

} // namespace

Result<QByteArray> ReadWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result<QByteArray>::Failure(file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Result<QByteArray>::Failure(file.errorString());
    return bytes;
}

Result<> WriteWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Result<>::Failure(file.errorString());
    // After a short write, committing would replace a good file with a
    // truncated one. A small file is only written out when flushed, and
    // commit() would not notice that write failing: flush first and check it.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = WriteFailure(file);
        file.cancelWriting();
        return Result<>::Failure(reason);
    }
    if (!file.commit())
        return Result<>::Failure(file.errorString());
    return {};
}

Result<> WriteFileUnsynced(const QString& path, const QByteArray& bytes) {
    // Written beside the file first, so a failed write leaves the old file as
    // it was.
    QFile file(path + QStringLiteral(".new"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return Result<>::Failure(file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = WriteFailure(file);
        // QFile::remove() on the open file would try to write the rest once
        // more and, failing again, refuse to remove it: close it first (which
        // drops what could not be written) and remove it by name.
        file.close();
        QFile::remove(file.fileName());
        return Result<>::Failure(reason);
    }
    file.close();
    // The old file is removed before the rename: renaming over an existing
    // file makes some file systems (ext4) start writing the new one to disk
    // at once, which is what this write avoids.
    const std::filesystem::path target = QFile(path).filesystemFileName();
    std::error_code error;
    std::filesystem::remove(target, error);
    if (!error)
        std::filesystem::rename(file.filesystemFileName(), target, error);
    if (error) {
        file.remove();
        return Result<>::Failure(QString::fromStdString(error.message()));
    }
    return {};
}
