#pragma once

#include "common/Result.h"

#include <QString>

// Opens path in the user's text viewer without waiting for it. The viewer
// setting is one program (blanks allowed, looked up on PATH like any command)
// and the path is its one argument, never parsed. On failure a text for the
// user: the viewer tried, the file, the reason and where to change the viewer.
Result<> StartTextViewer(const QString& viewer, const QString& path);
