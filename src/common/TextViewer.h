#pragma once

#include <QString>

// Opens path in the user's text viewer without waiting for it. The command
// line is the viewer and the path, each in double quotes, so either may hold
// blanks. Returns true when a process was started.
bool StartTextViewer(const QString& viewer, const QString& path);
