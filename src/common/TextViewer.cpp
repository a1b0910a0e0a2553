#include "common/TextViewer.h"

#include <QProcess>

bool StartTextViewer(const QString& viewer, const QString& path) {
    const QString commandLine = u'"' + viewer + QStringLiteral("\" \"") + path + u'"';
    QStringList words = QProcess::splitCommand(commandLine);
    if (words.isEmpty() || words.first().isEmpty())
        return false;
    QProcess process;
    process.setProgram(words.takeFirst());
    process.setArguments(words);
    process.setStandardInputFile(QProcess::nullDevice());
    return process.startDetached();
}
