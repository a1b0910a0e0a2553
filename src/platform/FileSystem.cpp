#include "platform/FileSystem.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#ifdef Q_OS_WIN
#include <filesystem>
#include <system_error>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#endif

namespace FileSystem {

bool IsOrdinaryFile(const QString& path) {
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.isFile() && !info.isHidden();
}

bool MatchesEveryName(const QString& pattern) {
    return pattern == QLatin1String("*") || pattern == QLatin1String("*.*");
}

namespace {

using NameTest = std::function<bool(const QString&)>;

// "*.ext" is a plain suffix check and "*" or "*.*" take every name; other
// patterns go through one regular expression.
NameTest Matcher(const QString& pattern) {
    if (MatchesEveryName(pattern))
        return [](const QString&) { return true; };
    const QString suffix = pattern.mid(1);
    if (pattern.startsWith(QLatin1String("*.")) && !suffix.contains(u'*') &&
        !suffix.contains(u'?') && !suffix.contains(u'['))
        return [suffix](const QString& name) { return name.endsWith(suffix, Qt::CaseInsensitive); };

    QString expression = QRegularExpression::wildcardToRegularExpression(pattern);
    if (pattern.endsWith(QLatin1String(".*"))) {
        const QString withoutExtension =
            QRegularExpression::wildcardToRegularExpression(pattern.chopped(2));
        expression = QStringLiteral("(?:%1)|(?:%2)").arg(expression, withoutExtension);
    }
    const QRegularExpression matcher(expression, QRegularExpression::CaseInsensitiveOption);
    return [matcher](const QString& name) { return matcher.match(name).hasMatch(); };
}

#ifdef Q_OS_WIN
// The matching names of the directory; the entry's type is known from the
// listing, so only links need a look at what they point to.
QStringList MatchingNames(const QString& directory, const NameTest& matches, Entries entries) {
    std::error_code error;
    std::filesystem::directory_iterator entry(std::filesystem::path(directory.toStdWString()),
                                              error);
    QStringList names;
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const QString name = QString::fromStdWString(entry->path().filename().native());
        if (!matches(name) || QFileInfo(QString::fromStdWString(entry->path().native())).isHidden())
            continue;
        std::error_code typeError;
        if (entry->is_regular_file(typeError) ||
            (entries == Entries::FilesAndDirectories && entry->is_directory(typeError)))
            names << name;
    }
    return names;
}
#else
// The matching names of the directory, read with readdir: the entry's type
// comes with its name, so only links (and file systems that report no type)
// need a stat of what they point to. A name that begins with "." is hidden.
QStringList MatchingNames(const QString& directory, const NameTest& matches, Entries entries) {
    QStringList names;
    DIR* folder = opendir(QFile::encodeName(directory).constData());
    if (!folder)
        return names;
    while (const dirent* entry = readdir(folder)) {
        if (entry->d_name[0] == '.')
            continue;
        // What QFile::decodeName gives, without its copy of the bytes.
        const QString name = QString::fromUtf8(entry->d_name);
        if (!matches(name))
            continue;
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN || type == DT_LNK) {
            struct stat status {};
            if (fstatat(dirfd(folder), entry->d_name, &status, 0) != 0)
                continue;
            type = S_ISREG(status.st_mode) ? DT_REG : S_ISDIR(status.st_mode) ? DT_DIR : DT_UNKNOWN;
        }
        if (type == DT_REG || (entries == Entries::FilesAndDirectories && type == DT_DIR))
            names << name;
    }
    closedir(folder);
    return names;
}
#endif

// Folds each name once: comparing folded keys is far cheaper than comparing
// names case-insensitively at every step of the sort.
QStringList SortedIgnoringCase(const QStringList& names) {
    std::vector<std::pair<QString, qsizetype>> keys;
    keys.reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i)
        keys.emplace_back(names.at(i).toCaseFolded(), i);
    std::sort(keys.begin(), keys.end(), [&names](const auto& a, const auto& b) {
        const int order = a.first.compare(b.first);
        return order != 0 ? order < 0 : names.at(a.second) < names.at(b.second);
    });
    QStringList sorted;
    sorted.reserve(names.size());
    for (const auto& key : keys)
        sorted << names.at(key.second);
    return sorted;
}

} // namespace

QStringList List(const QString& pathPattern, Entries entries) {
    const qsizetype cut = pathPattern.lastIndexOf(QDir::separator());
    const QString directory = cut < 0 ? QStringLiteral(".") : pathPattern.left(cut + 1);
    const QString pattern = pathPattern.mid(cut + 1);
    if (pattern.isEmpty())
        return {};
    return SortedIgnoringCase(MatchingNames(directory, Matcher(pattern), entries));
}

} // namespace FileSystem
