#include "app/CommandLineOptions.h"
#include "app/Translations.h"
#include "app/ui/Main.h"
#include "common/Names.h"
#include "finder/BrowseCommand.h"
#include "finder/FinderSettings.h"
#include "finder/ServerFinder.h"
#include "status/StatusFormat.h"

#include "Version.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

namespace {
QStringList ArgumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(kProgramName);
    QCoreApplication::setOrganizationName(kProgramName);
    QCoreApplication::setApplicationVersion(QStringLiteral(CORVALE_VERSION_TEXT));

    const CommandLineOptions options(ArgumentsOf(argc, argv));
    const CommandLineOptions::Request request = options.Requested();
    if (request == CommandLineOptions::Request::Status) {
        // Needs the network, not a display.
        QCoreApplication application(argc, argv);
        InstallTranslations(application);
        QTextStream out(stdout);
        return RunStatusCommand(options.StatusAddresses(), options.Json(), out);
    }
    if (request == CommandLineOptions::Request::Browse) {
        QCoreApplication application(argc, argv);
        InstallTranslations(application);
        ServerFinder finder;
        finder.SetSources(
            BrowseSources(options.Masters(), options.LocalNetworks(), options.LanHosts()));
        finder.SetMaxInFlight(StoredMaxInFlight());
        QTextStream out(stdout);
        QTextStream log(stderr);
        return RunBrowseCommand(finder, options.Json(), out, log);
    }
    if (request != CommandLineOptions::Request::Window &&
        request != CommandLineOptions::Request::Launch) {
        // Answered without a display, in the user's language: the options
        // are read again once the translation is loaded.
        QCoreApplication application(argc, argv);
        InstallTranslations(application);
        const CommandLineOptions::Reply reply =
            CommandLineOptions(ArgumentsOf(argc, argv)).Answer();
        std::fputs(reply.text.toLocal8Bit().constData(), reply.toStandardError ? stderr : stdout);
        return reply.exitStatus;
    }

    if (!DisplayProblem(ArgumentsOf(argc, argv)).isEmpty()) {
        // Said in the user's language, once the translation is loaded.
        QCoreApplication application(argc, argv);
        InstallTranslations(application);
        const QString problem = DisplayProblem(ArgumentsOf(argc, argv)) + u'\n';
        std::fputs(problem.toLocal8Bit().constData(), stderr);
        return 1;
    }
    QApplication application(argc, argv);
    InstallTranslations(application);
    QGuiApplication::setDesktopFileName(QStringLiteral(CORVALE_APP_ID));
    return Main(application, request == CommandLineOptions::Request::Launch ? StartMode::LaunchOnly
                                                                            : StartMode::Window);
}
