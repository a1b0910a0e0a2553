#include "app/CommandLineOptions.h"

namespace {
// The options QGuiApplication and QApplication take off the command line
// themselves; the ones with a value name take the next argument.
struct QtOption {
    const char* name;
    const char* valueName;
};
constexpr QtOption kQtOptions[] = {
    {"platform", "name"},    {"platformpluginpath", "path"}, {"platformtheme", "name"},
    {"plugin", "name"},      {"qmljsdebugger", "port"},      {"qwindowgeometry", "geometry"},
    {"qwindowicon", "icon"}, {"qwindowtitle", "title"},      {"session", "id"},
    {"display", "name"},     {"geometry", "geometry"},       {"style", "name"},
    {"stylesheet", "file"},  {"reverse", nullptr},           {"widgetcount", nullptr},
};
} // namespace

CommandLineOptions::CommandLineOptions(const QStringList& arguments) {
    mParser.setApplicationDescription(tr("Launcher for the game Quake2: keeps user profiles, "
                                         "server configurations and remote servers and starts "
                                         "the game from them."));
    // Qt's options come with one dash ("-platform offscreen").
    mParser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Not addHelpOption(): its --help-all promises Qt's options, which are
    // hidden here.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  tr("Displays help on commandline options."));
    mParser.addOption(help);
    const QCommandLineOption version = mParser.addVersionOption();
    const QCommandLineOption launch(
        QStringLiteral("launch"),
        tr("Starts the game with the saved launch type and selections, without the main "
           "window; exit status 0 when the game started, 1 otherwise."));
    mParser.addOption(launch);
    const QCommandLineOption status(
        QStringLiteral("status"),
        tr("Asks the game servers at the addresses given for their status and prints one line "
           "for each; exit status 0 when all answered, 1 otherwise."));
    mParser.addOption(status);
    mParser.addOption(QCommandLineOption(QStringLiteral("json"),
                                         tr("With --status: prints the status as JSON.")));
    mParser.addPositionalArgument(
        tr("address"), tr("With --status: a server address, host[:port]."), tr("[address...]"));
    AddQtOptions();

    const bool parsed = mParser.parse(arguments);
    const bool statusWanted = parsed && mParser.isSet(status);
    if (!parsed) {
        mRequest = Request::UsageError;
        mError = mParser.errorText();
    } else if (mParser.isSet(help)) {
        mRequest = Request::Help;
    } else if (mParser.isSet(version)) {
        mRequest = Request::Version;
    } else if (statusWanted && mParser.positionalArguments().isEmpty()) {
        mRequest = Request::UsageError;
        mError = tr("--status needs at least one server address.");
    } else if (!statusWanted && !mParser.positionalArguments().isEmpty()) {
        mRequest = Request::UsageError;
        mError = tr("Unexpected argument '%1'.").arg(mParser.positionalArguments().constFirst());
    } else if (!statusWanted && Json()) {
        mRequest = Request::UsageError;
        mError = tr("--json goes with --status.");
    } else if (statusWanted && mParser.isSet(launch)) {
        mRequest = Request::UsageError;
        mError = tr("--launch and --status cannot be used together.");
    } else if (statusWanted) {
        mRequest = Request::Status;
    } else if (mParser.isSet(launch)) {
        mRequest = Request::Launch;
    }
}

bool CommandLineOptions::Json() const {
    return mParser.isSet(QStringLiteral("json"));
}

void CommandLineOptions::AddQtOptions() {
    for (const QtOption& qtOption : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qtOption.name));
        if (qtOption.valueName)
            option.setValueName(QString::fromLatin1(qtOption.valueName));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        mParser.addOption(option);
    }
}

CommandLineOptions::Reply CommandLineOptions::Answer() const {
    switch (mRequest) {
    case Request::Help:
        return {mParser.helpText(), false, 0};
    case Request::Version:
        return {QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                              QCoreApplication::applicationVersion()),
                false, 0};
    case Request::UsageError:
        return {mError + QLatin1Char('\n') + mParser.helpText(), true, 2};
    case Request::Window:
    case Request::Launch:
    case Request::Status:
        break;
    }
    return {};
}
