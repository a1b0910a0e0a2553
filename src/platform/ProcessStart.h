#pragma once

#include "common/Result.h"

#include <QString>
#include <QStringList>

// Starts program with arguments as a new process without waiting for it. No
// shell is involved: each argument reaches the program exactly as given. A
// program name without a directory part is looked up on PATH like any
// command; a path is taken as it stands. A non-empty workingDirectory becomes
// the process's working directory; the launcher's own stays as it is. On
// failure the reason, in the system's words.
Result<> StartProcess(const QString& program, const QStringList& arguments,
                      const QString& workingDirectory = QString());

// The command as a user reads it: the program and its arguments separated by
// blanks, each one that holds a blank or a quote (or is empty) put in double
// quotes, a quote inside written as \".
QString CommandLineText(const QString& program, const QStringList& arguments);
