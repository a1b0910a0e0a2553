#include "platform/RecordLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString DefaultRecordFile(const QString& fileName) {
    QString folder = QDir::currentPath();
    if (!QFileInfo(folder).isWritable()) {
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        if (!data.isEmpty() && QDir().mkpath(data))
            folder = data;
    }
    return QDir::toNativeSeparators(folder) + QDir::separator() + fileName;
}
