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
    AddQtOptions();

    if (!mParser.parse(arguments)) {
        mRequest = Request::UsageError;
        mError = mParser.errorText();
    } else if (!mParser.positionalArguments().isEmpty()) {
        mRequest = Request::UsageError;
        mError = tr("Unexpected argument '%1'.").arg(mParser.positionalArguments().constFirst());
    } else if (mParser.isSet(help)) {
        mRequest = Request::Help;
    } else if (mParser.isSet(version)) {
        mRequest = Request::Version;
    }
}

void CommandLineOptions::AddQtOptions() {
    for (const QtOption& qtOption : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qtOption.name));
        if (qtOption.valueName) {
            option.setValueName(QString::fromLatin1(qtOption.valueName));
        }
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
        break;
    }
    return {};
}
