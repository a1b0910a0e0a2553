#include "platform/FileSystem.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <system_error>
#include <utility>
#include <vector>

namespace FileSystem {

bool IsOrdinaryFile(const QString& path) {
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.isFile() && !info.isHidden();
}

namespace {

using NameTest = std::function<bool(const QString&)>;

// "*.ext" is a plain suffix check and "*" or "*.*" take every name; other
// patterns go through one regular expression.
NameTest Matcher(const QString& pattern) {
    if (pattern == QLatin1String("*") || pattern == QLatin1String("*.*"))
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

std::filesystem::path NativePath(const QString& path) {
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

QString EntryName(const std::filesystem::path& path) {
#ifdef Q_OS_WIN
    return QString::fromStdWString(path.filename().native());
#else
    const std::string& native = path.native();
    const std::size_t slash = native.rfind('/');
    return QFile::decodeName(
        QByteArray::fromRawData(native.data() + slash + 1, qsizetype(native.size() - slash - 1)));
#endif
}

bool IsHidden(const QString& name, [[maybe_unused]] const std::filesystem::path& path) {
#ifdef Q_OS_WIN
    return QFileInfo(QString::fromStdWString(path.native())).isHidden();
#else
    return name.startsWith(u'.');
#endif
}

// Folds each name once: comparing folded keys is far cheaper than comparing
// names case-insensitively at every step of the sort.
QStringList SortedIgnoringCase(const QStringList& names) {
    std::vector<std::pair<QString, qsizetype>> keys;
    keys.reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i)
        keys.emplace_back(names.at(i).toCaseFolded(), i);
    std::sort(keys.begin(), keys.end(), [&names](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : names.at(a.second) < names.at(b.second);
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
    const NameTest matches = Matcher(pattern);

    // The names come from the directory itself; the entry's type is known
    // from the listing, so only links need a look at what they point to.
    std::error_code error;
    std::filesystem::directory_iterator entry(NativePath(directory), error);
    QStringList names;
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const QString name = EntryName(entry->path());
        if (!matches(name) || IsHidden(name, entry->path()))
            continue;
        std::error_code typeError;
        if (entry->is_regular_file(typeError) ||
            (entries == Entries::FilesAndDirectories && entry->is_directory(typeError)))
            names << name;
    }
    return SortedIgnoringCase(names);
}

} // namespace FileSystem
