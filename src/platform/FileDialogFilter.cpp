#include "platform/FileDialogFilter.h"

#include "platform/FileSystem.h"

QList<FileDialogFilterEntry> ParseFileDialogFilter(const QString& filter) {
    QStringList pieces = filter.split(u'|');
    if (!pieces.isEmpty() && pieces.last().isEmpty())
        pieces.removeLast();
    QList<FileDialogFilterEntry> entries;
    for (qsizetype i = 0; i + 1 < pieces.size(); i += 2)
        entries.append({pieces.at(i), pieces.at(i + 1).split(u';', Qt::SkipEmptyParts)});
    return entries;
}

QStringList ToQtFilters(const QList<FileDialogFilterEntry>& entries) {
    QStringList filters;
    for (const FileDialogFilterEntry& entry : entries) {
        QStringList patterns = entry.patterns;
        // In Qt's filters "*.*" leaves out names without a dot.
        for (QString& pattern : patterns) {
            if (FileSystem::MatchesEveryName(pattern))
                pattern = QStringLiteral("*");
        }
        filters << QStringLiteral("%1 (%2)").arg(entry.description, patterns.join(u' '));
    }
    return filters;
}
