#include "platform/ProcessStart.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

bool StartProcess(const QString& commandLine, const QString& workingDirectory) {
    QStringList words = commandLine.split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty() || !QFileInfo(workingDirectory).isDir())
        return false;
    // startDetached looks a bare name up on PATH, never in the working
    // directory, so the program is made absolute first.
    const QString program = QDir(workingDirectory).absoluteFilePath(words.takeFirst());
    const QFileInfo programInfo(program);
    if (!programInfo.isFile() || !programInfo.isExecutable())
        return false;

    QProcess process;
    process.setProgram(program);
    process.setArguments(words);
    process.setWorkingDirectory(workingDirectory);
    process.setStandardInputFile(QProcess::nullDevice());
    qint64 pid = 0;
    return process.startDetached(&pid) && pid != 0;
}
