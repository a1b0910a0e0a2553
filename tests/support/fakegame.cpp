// Stands in for the game in launch tests: writes its arguments, one a line,
// and its working directory into "fakegame.log" in that directory.
#include <QCoreApplication>
#include <QDir>
#include <QFile>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    // Written under another name first, so a reader never sees half a log.
    QFile log(QDir::current().filePath(QStringLiteral("fakegame.log.part")));
    if (!log.open(QIODevice::WriteOnly | QIODevice::Text))
        return 1;
    log.write("cwd=" + QDir::currentPath().toUtf8() + '\n');
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i)
        log.write("arg=" + arguments.at(i).toUtf8() + '\n');
    log.close();
    return log.rename(QDir::current().filePath(QStringLiteral("fakegame.log"))) ? 0 : 1;
}
