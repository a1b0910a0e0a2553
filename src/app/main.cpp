#include "app/Main.h"
#include "app/CommandLineOptions.h"
#include "app/Translations.h"

#include "Version.h"

#include <QApplication>

#include <cstdio>

namespace {
QStringList ArgumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Corvale"));
    QCoreApplication::setOrganizationName(QStringLiteral("Corvale"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CORVALE_VERSION_TEXT));

    const CommandLineOptions options(ArgumentsOf(argc, argv));
    if (options.Requested() != CommandLineOptions::Request::Window) {
        // Answered without a display; the core application only gives the
        // usage the program's name.
        QCoreApplication application(argc, argv);
        const CommandLineOptions::Reply reply = options.Answer();
        std::fputs(reply.text.toLocal8Bit().constData(), reply.toStandardError ? stderr : stdout);
        return reply.exitStatus;
    }

    QApplication application(argc, argv);
    InstallTranslations(application);
    QGuiApplication::setDesktopFileName(QStringLiteral(CORVALE_APP_ID));
    return Main(application);
}
