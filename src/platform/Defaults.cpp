#include "platform/Defaults.h"

#include "common/Names.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Defaults {

#ifdef Q_OS_WIN
QString GamePath() {
    return QStringLiteral("C:\\Quake2\\");
}
QString GameExecutable() {
    return QStringLiteral("quake2.exe");
}
QString TextViewer() {
    return QStringLiteral("notepad.exe");
}
#else
namespace {
// Where the game is usually installed, in the order they are tried: the
// user's own copy, the distribution's game data, the Steam libraries. A
// leading "~" is the home directory.
constexpr const char* kGameFolders[] = {
    "~/quake2/",
    "/usr/share/games/quake2/",
    "~/.local/share/Steam/steamapps/common/Quake 2/",
    "~/.steam/steam/steamapps/common/Quake 2/",
};
// The usual names of the game program, in order of preference.
constexpr const char* kGamePrograms[] = {"quake2", "yquake2", "q2pro"};

QString Expanded(const char* folder) {
    const QString text = QString::fromUtf8(folder);
    return text.startsWith(QLatin1Char('~')) ? QDir::homePath() + text.mid(1) : text;
}
} // namespace

QString GamePath() {
    for (const char* folder : kGameFolders) {
        const QString path = Expanded(folder);
        if (QFileInfo(path + kBaseGame).isDir())
            return path;
    }
    return Expanded(kGameFolders[0]);
}

QString GameExecutable() {
    const QString path = GamePath();
    for (const char* program : kGamePrograms) {
        const QString name = QString::fromLatin1(program);
        if (!QStandardPaths::findExecutable(name, {path}).isEmpty())
            return name;
    }
    for (const char* program : kGamePrograms) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(program));
        if (!found.isEmpty())
            return found;
    }
    return QString::fromLatin1(kGamePrograms[0]);
}

QString TextViewer() {
    return QStringLiteral("xdg-open");
}
#endif

QString RecordFile(const QString& fileName) {
    QString folder = QDir::currentPath();
    // The root is never used, even where it can be written (a program started
    // as root from a desktop menu would fill it).
    if (QDir(folder).isRoot() || !QFileInfo(folder).isWritable()) {
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        // A data folder that cannot be made is still the place: saving there
        // fails with a warning instead of writing into the root.
        if (!data.isEmpty()) {
            QDir().mkpath(data);
            folder = data;
        }
    }
    return QDir::toNativeSeparators(folder) + QDir::separator() + fileName;
}

QString Masters() {
    return QStringLiteral("master.quakeservers.net:27900\n"
                          "netdome.biz:27900\n"
                          "master.rlogin.dk:27900\n"
                          "https://q2servers.com/?raw=1");
}

} // namespace Defaults
