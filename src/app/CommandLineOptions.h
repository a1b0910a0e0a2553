#pragma once

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What the program's command line asks for. Parsing needs no application
// object, so help, version and usage errors are answered before anything
// tries to reach a display. Qt's own options (-platform, -style, ...) are
// accepted and left for QApplication, which acts on them.
class CommandLineOptions {
    Q_DECLARE_TR_FUNCTIONS(CommandLineOptions)

public:
    // The ways the program can be started. An option that starts it in
    // another mode gets its own request here and is added in the constructor.
    enum class Request { Window, Launch, Status, Browse, Help, Version, UsageError };

    // What to print for a request that ends the program at once.
    struct Reply {
        QString text;
        bool toStandardError = false;
        int exitStatus = 0;
    };

    // The arguments as the program received them, the program's name first.
    explicit CommandLineOptions(const QStringList& arguments);

    Request Requested() const { return mRequest; }
    // For Status: the server addresses to ask, and whether JSON is wanted.
    QStringList StatusAddresses() const { return mParser.positionalArguments(); }
    bool Json() const;
    // For Browse: the masters given (replacing the stored list), whether the
    // local networks are searched, and the hosts whose game ports are asked.
    // No source at all means the stored masters.
    QStringList Masters() const { return mParser.values(QStringLiteral("master")); }
    bool LocalNetworks() const { return mParser.isSet(QStringLiteral("lan")); }
    QStringList LanHosts() const { return mParser.values(QStringLiteral("lan-host")); }
    // The reply to Help, Version and UsageError: help and version on standard
    // output with status 0, the error and the usage on standard error with
    // status 2. Needs an application object for the program's name.
    Reply Answer() const;

private:
    void AddQtOptions();
    // The first reason the parsed options do not go together; empty when they do.
    QString Conflict() const;

    QCommandLineParser mParser;
    Request mRequest = Request::Window;
    QString mError;
};
