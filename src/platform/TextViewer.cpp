#include "platform/TextViewer.h"

#include "platform/ProcessStart.h"

#include <QCoreApplication>
#include <QDir>

Result<> StartTextViewer(const QString& viewer, const QString& path) {
    const Result<> started = StartProcess(viewer, {path});
    if (started)
        return started;
    return Result<>::Failure(
        QCoreApplication::translate("TextViewer",
                                    "Viewer: %1\nFile: %2\nReason: %3\n\nThe viewer can be "
                                    "changed under View > Options.")
            .arg(CommandLineText(viewer, {}), QDir::toNativeSeparators(path), started.Error()));
}
