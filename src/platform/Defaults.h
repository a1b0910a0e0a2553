#pragma once

#include <QString>

// First-run values of the game installation and the text viewer. Windows keeps
// the game's own conventions; elsewhere the game is looked for in the home
// directory and files are opened with the desktop's opener.
namespace Defaults {

QString GamePath();
QString GameExecutable();
QString TextViewer();

} // namespace Defaults
