#include "platform/Defaults.h"

#include <QDir>

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
QString GamePath() {
    return QDir::homePath() + QStringLiteral("/quake2/");
}
QString GameExecutable() {
    return QStringLiteral("quake2");
}
QString TextViewer() {
    return QStringLiteral("xdg-open");
}
#endif

} // namespace Defaults
