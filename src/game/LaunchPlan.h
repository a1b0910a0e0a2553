#pragma once

#include "platform/ProcessStart.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// One launch, composed once: what is started, where, with which arguments,
// and the launch config script it runs. The Launch command, the previews and
// the command line's launch all take the same plan.
struct LaunchPlan {
    // The executable as the options name it, and the file that is started.
    QString executable;
    QString program;
    QStringList arguments;
    QString workingDirectory;
    QByteArray script;
    QString scriptPath;

    // The command as the user reads it.
    QString CommandLine() const { return CommandLineText(executable, arguments); }
};
