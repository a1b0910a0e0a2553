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
    mParser.addOption(QCommandLineOption(
        QStringLiteral("browse"),
        tr("Finds game servers through the masters and the local network, asks each for its "
           "status and prints one line for each, then what each source gave on standard "
           "error; exit status 0 when a source answered, 1 otherwise.")));
    mParser.addOption(QCommandLineOption(
        QStringLiteral("master"),
        tr("With --browse: asks this master, host[:port] or an http(s):// list, instead of the "
           "stored masters; may be given more than once."),
        tr("address")));
    mParser.addOption(QCommandLineOption(QStringLiteral("lan"),
                                         tr("With --browse: searches the local network (game ports "
                                            "27910-27919).")));
    mParser.addOption(QCommandLineOption(
        QStringLiteral("lan-host"),
        tr("With --browse: asks game ports 27910-27919 of this host; may be given more than "
           "once."),
        tr("host")));
    mParser.addOption(QCommandLineOption(
        QStringLiteral("json"), tr("With --status or --browse: prints the servers as JSON.")));
    mParser.addPositionalArgument(
        tr("address"), tr("With --status: a server address, host[:port]."), tr("[address...]"));
    AddQtOptions();

    if (!mParser.parse(arguments)) {
        mRequest = Request::UsageError;
        mError = mParser.errorText();
    } else if (mParser.isSet(help)) {
        mRequest = Request::Help;
    } else if (mParser.isSet(version)) {
        mRequest = Request::Version;
    } else if (mError = Conflict(); !mError.isEmpty()) {
        mRequest = Request::UsageError;
    } else if (mParser.isSet(status)) {
        mRequest = Request::Status;
    } else if (mParser.isSet(QStringLiteral("browse"))) {
        mRequest = Request::Browse;
    } else if (mParser.isSet(launch)) {
        mRequest = Request::Launch;
    }
}

QString CommandLineOptions::Conflict() const {
    const bool status = mParser.isSet(QStringLiteral("status"));
    const bool browse = mParser.isSet(QStringLiteral("browse"));
    const QStringList addresses = mParser.positionalArguments();
    if (status && addresses.isEmpty())
        return tr("--status needs at least one server address.");
    if (!status && !addresses.isEmpty())
        return tr("Unexpected argument '%1'.").arg(addresses.constFirst());
    if (!status && !browse && Json())
        return tr("--json goes with --status or --browse.");
    for (const char* option : {"master", "lan", "lan-host"}) {
        if (!browse && mParser.isSet(QLatin1String(option)))
            return tr("--%1 goes with --browse.").arg(QLatin1String(option));
    }
    const QString modes[] = {QStringLiteral("launch"), QStringLiteral("status"),
                             QStringLiteral("browse")};
    QStringList chosen;
    for (const QString& mode : modes) {
        if (mParser.isSet(mode))
            chosen << QStringLiteral("--") + mode;
    }
    if (chosen.size() > 1)
        return tr("%1 and %2 cannot be used together.").arg(chosen[0], chosen[1]);
    return {};
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
    case Request::Browse:
        break;
    }
    return {};
}
