#include "common/FileIO.h"

#include <QFile>
#include <QSaveFile>

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
    // A short write on a full disk sets no error of its own; committing then
    // would replace a good file with a truncated one.
    // A small file is only written out when flushed, and commit() would not
    // notice that write failing: flush first and check it.
    const qint64 written = file.write(bytes);
    if (written != bytes.size() || !file.flush()) {
        const QString reason =
            file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("disk full");
        file.cancelWriting();
        return Result<>::Failure(reason);
    }
    if (!file.commit())
        return Result<>::Failure(file.errorString());
    return {};
}
