#include "platform/FileSystem.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace FileSystem {

bool IsOrdinaryFile(const QString& path) {
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.isFile() && !info.isHidden();
}

namespace {

QRegularExpression WildcardExpression(const QString& pattern) {
    QString expression = QRegularExpression::wildcardToRegularExpression(pattern);
    if (pattern.endsWith(QLatin1String(".*"))) {
        const QString withoutExtension =
            QRegularExpression::wildcardToRegularExpression(pattern.chopped(2));
        expression = QStringLiteral("(?:%1)|(?:%2)").arg(expression, withoutExtension);
    }
    return QRegularExpression(expression, QRegularExpression::CaseInsensitiveOption);
}

} // namespace

QStringList List(const QString& pathPattern, Entries entries) {
    const qsizetype cut = pathPattern.lastIndexOf(QDir::separator());
    const QString directory = cut < 0 ? QStringLiteral(".") : pathPattern.left(cut + 1);
    const QString pattern = pathPattern.mid(cut + 1);
    if (pattern.isEmpty())
        return {};

    QDir::Filters filters = QDir::Files | QDir::NoDotAndDotDot;
    if (entries == Entries::FilesAndDirectories)
        filters |= QDir::Dirs;
    const QStringList names = QDir(directory).entryList(filters, QDir::Name | QDir::IgnoreCase);

    const QRegularExpression matcher = WildcardExpression(pattern);
    QStringList matching;
    for (const QString& name : names) {
        if (matcher.match(name).hasMatch())
            matching << name;
    }
    return matching;
}

} // namespace FileSystem
