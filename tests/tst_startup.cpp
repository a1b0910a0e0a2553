#include "app/CommandLineOptions.h"
#include "app/ui/Main.h"
#include "game/Quake2.h"
#include "prefs/Options.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

class StartupTest : public QObject {
    Q_OBJECT
private:
    TemporarySettings mSettings;

private Q_SLOTS:
    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("request");
        QTest::addColumn<QString>("replyHolds");
        using R = CommandLineOptions::Request;
        const auto row = [](const char* tag, QStringList arguments, R request, QString holds) {
            QTest::newRow(tag) << (QStringList{"corvale"} + arguments) << int(request) << holds;
        };
        row("none", {}, R::Window, "");
        row("Qt's options", {"-platform", "offscreen", "--style=Fusion", "-reverse"}, R::Window,
            "");
        row("help", {"--help"}, R::Help, "--version");
        row("version", {"--version"}, R::Version, " 1.2.3\n");
        row("unknown option", {"--bogus"}, R::UsageError, "'bogus'");
        row("unknown beside help", {"--help", "-x"}, R::UsageError, "'x'");
        row("missing value", {"-platform"}, R::UsageError, "'-platform'");
        row("launch", {"--launch"}, R::Launch, "");
        row("status", {"--status", "--json", "127.0.0.1", "localhost:27911"}, R::Status, "");
        row("status without address", {"--status"}, R::UsageError, "--status");
        row("json alone", {"--json"}, R::UsageError, "--json goes with");
        row("launch and status", {"--launch", "--status", "::1"}, R::UsageError, "together");
        row("stray argument", {"q2dm1"}, R::UsageError, "'q2dm1'");
        row("help names the finder's options", {"--help"}, R::Help, "--lan-host <host>");
        row("browse",
            {"--browse", "--master", "[::1]:27900", "--master", "http://127.0.0.1/l", "--lan",
             "--lan-host", "127.0.0.2", "--json"},
            R::Browse, "");
        row("master without browse", {"--master", "127.0.0.1"}, R::UsageError, "--master");
        row("browse and status", {"--browse", "--status", "::1"}, R::UsageError, "together");
        row("browse with an address", {"--browse", "127.0.0.1"}, R::UsageError, "'127.0.0.1'");
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, request);
        QFETCH(QString, replyHolds);
        QCoreApplication::setApplicationVersion(QStringLiteral("1.2.3"));
        const CommandLineOptions options(arguments);
        QCOMPARE(int(options.Requested()), request);
        const CommandLineOptions::Reply reply = options.Answer();
        const bool error = request == int(CommandLineOptions::Request::UsageError);
        QCOMPARE(reply.exitStatus, error ? 2 : 0);
        QCOMPARE(reply.toStandardError, error);
        QVERIFY2(reply.text.contains(replyHolds), qPrintable(reply.text));
        QVERIFY(!error || reply.text.contains("--help")); // the usage follows the error
    }

    // Without a display the window is not tried (Qt would abort); a platform
    // chosen in the environment or on the command line is one.
    void displayProblem_data() {
        QTest::addColumn<QByteArray>("given");
        for (const char* given :
             {"", "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "-platform", "-display"})
            QTest::newRow(*given ? given : "nothing") << QByteArray(given);
    }
    void displayProblem() {
        QFETCH(QByteArray, given);
        // Left so: no other case here needs a display.
        for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            qputenv(variable, variable == given ? "x" : "");
        const QString problem = DisplayProblem({"/usr/games/corvale", given, "xcb"});
        QCOMPARE(problem.startsWith("corvale: no display"), given.isEmpty());
    }

    // The first run takes the game from the first usual folder holding
    // "baseq2", and its program from that folder or else from PATH. Below the
    // test folder, "home/" is HOME and "bin/" is PATH.
    void firstRunFindsTheGame_data() {
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("programs");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("executable");
        const auto row = [](const char* tag, QStringList folders, QStringList files,
                            QStringList programs, QString path, QString executable) {
            QTest::newRow(tag) << folders << files << programs << path << executable;
        };
        const QString steam = "home/.local/share/Steam/steamapps/common/Quake 2/";
        const QString steamLink = "home/.steam/steam/steamapps/common/Quake 2/";
        row("nothing installed", {}, {}, {}, "home/quake2/", "quake2");
        row("own copy first", {"home/quake2/baseq2", steam + "baseq2"}, {}, {}, "home/quake2/",
            "quake2");
        row("folder without baseq2", {"home/quake2", steam + "baseq2"}, {}, {}, steam, "quake2");
        row("second Steam library", {steamLink + "baseq2"}, {}, {}, steamLink, "quake2");
        row("program in the folder", {"home/quake2/baseq2"}, {},
            {"home/quake2/q2pro", "home/quake2/yquake2", "bin/quake2"}, "home/quake2/", "yquake2");
        row("program on PATH", {"home/quake2/baseq2"}, {"home/quake2/quake2"},
            {"bin/q2pro", "bin/yquake2"}, "home/quake2/", "bin/yquake2");
    }
    void firstRunFindsTheGame() {
        QFETCH(QStringList, folders);
        QFETCH(QStringList, files);
        QFETCH(QStringList, programs);
        QFETCH(QString, path);
        QFETCH(QString, executable);
        if (QFileInfo::exists("/usr/share/games/quake2/baseq2"))
            QSKIP("The game is installed on this machine and would be found first.");
        FakeInstallation root;
        const QString at = root.Path();
        for (const QString& folder : folders + QStringList{"home", "bin"})
            root.AddDirectory(folder);
        for (const QString& file : files)
            root.AddFile(file);
        for (const QString& program : programs)
            root.InstallGame(program);
        const QByteArray home = qgetenv("HOME"), searchPath = qgetenv("PATH");
        qputenv("HOME", QFile::encodeName(at + "home"));
        qputenv("PATH", QFile::encodeName(at + "bin"));
        Quake2 game;
        Options options(game);
        qputenv("HOME", home);
        qputenv("PATH", searchPath);
        QCOMPARE(game.Path(), at + path);
        QCOMPARE(game.Executable(), executable.contains('/') ? at + executable : executable);
    }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "tst_startup.moc"
