#pragma once

#include <QString>

// First-run values of the game installation, the text viewer and the record
// files' places. Windows keeps the game's own conventions. Elsewhere the game
// is looked for where it is usually installed, and files are opened with the
// desktop's opener.
namespace Defaults {

// The first usual installation folder that holds a "baseq2" folder, with a
// trailing separator; else the home directory's "quake2" folder.
QString GamePath();
// The first usual game program found in GamePath() (its name, taken below the
// folder), else found on PATH (its absolute path); else "quake2".
QString GameExecutable();
QString TextViewer();
// Where a record file goes when the settings name none: the start directory
// when it can be written and is not the root, otherwise the user's data folder
// (created here), since a program started from a desktop menu starts in "/".
QString RecordFile(const QString& fileName);
// The masters and server lists the game's server browsers ask today, one a
// line: the server finder's list until the user sets one.
QString Masters();

} // namespace Defaults
