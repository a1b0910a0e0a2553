#pragma once

#include <QString>

// Starts commandLine as a new process without waiting for it. The command
// line is split at blanks (no quoting, no shell); its first word is the
// program, taken below workingDirectory unless it is an absolute path. The
// process gets workingDirectory as its working directory; the launcher's own
// stays as it is. Returns true exactly when a process was started.
bool StartProcess(const QString& commandLine, const QString& workingDirectory);
