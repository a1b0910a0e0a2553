#pragma once

#include <QString>
#include <QStringList>

// A file dialog filter written as "Description|patterns|Description|patterns"
// (patterns of one entry separated by ";"), turned into Qt's entries such as
// "Programs (*.exe *.com *.bat)". A trailing "|" is allowed.
struct FileDialogFilterEntry {
    QString description;
    QStringList patterns;
};

QList<FileDialogFilterEntry> ParseFileDialogFilter(const QString& filter);
// The entries in Qt's form, one per entry.
QStringList ToQtFilters(const QList<FileDialogFilterEntry>& entries);
