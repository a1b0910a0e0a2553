#pragma once

#include <QString>
#include <QStringList>

namespace FileSystem {

// True when path names an existing file that is neither a directory, nor
// hidden (a name starting with "." off Windows), nor a broken link.
bool IsOrdinaryFile(const QString& path);

enum class Entries { FilesOnly, FilesAndDirectories };

// True for "*" and "*.*": in the Windows meaning both match every name, also
// one without a dot.
bool MatchesEveryName(const QString& pattern);

// Lists the names matching a pattern such as "/games/quake2/baseq2/*.cfg":
// the part after the last separator is the pattern, the rest the directory.
// Patterns follow the Windows meaning: "*" any run, "?" one character, a
// final ".*" also matches names without a dot (so "*.*" matches every name),
// case ignored. Hidden entries are never listed. Names come sorted ignoring
// case; a missing or unreadable directory gives an empty list.
QStringList List(const QString& pathPattern, Entries entries);

} // namespace FileSystem
