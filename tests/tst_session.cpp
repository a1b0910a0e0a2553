#include "app/SingleInstance.h"
#include "app/ui/Main.h"
#include "app/ui/frmCorvale.h"
#include "common/Names.h"
#include "common/RecordWriter.h"
#include "game/Quake2.h"
#include "platform/SettingsStore.h"
#include "support/ScriptedPrompts.h"
#include "support/TestSupport.h"

#include <QDialog>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

// Runs this program as Corvale itself in a child process, with its settings
// below root/config and its start directory root/work.
class Copy {
public:
    explicit Copy(const QString& root, const char* mode = "--run-corvale") {
        QDir().mkpath(root + "/work");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", root + "/config");
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        mProcess.setProcessEnvironment(environment);
        mProcess.setWorkingDirectory(root + "/work");
        mProcess.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(mode)});
    }
    ~Copy() {
        mProcess.kill();
        mProcess.waitForFinished();
    }
    // True once the copy's event loop runs.
    bool Running() {
        while (!mProcess.canReadLine() && mProcess.waitForReadyRead(30000)) {
        }
        return mProcess.readLine() == "running\n";
    }
    // The exit status of a copy that ended on its own; -1 for a crash or a hang.
    int ExitCode() {
        const bool ended = mProcess.waitForFinished(30000);
        return ended && mProcess.exitStatus() == QProcess::NormalExit ? mProcess.exitCode() : -1;
    }
    QProcess mProcess;
};

} // namespace

class SessionTest : public QObject {
    Q_OBJECT
private:
    TemporarySettings mSettings;
    // The current folder of each case, where Corvale puts its record files.
    std::unique_ptr<QTemporaryDir> mWork;

    QString SettingsFolder() const { return QFileInfo(SettingsStore::FileName()).path(); }
    static QString RuntimeFolder() {
        return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    }

private Q_SLOTS:
    void init() {
        mSettings.Clear();
        mWork = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(mWork->path());
    }

    // The command line's launch starts the game with the stored selections,
    // shows no window and ends at once with status 0.
    void launchWithoutTheWindow() {
        QTemporaryDir root;
        FakeInstallation install;
        install.AddDirectory("baseq2");
        install.AddDirectory("ctf");
        install.InstallGame("quake2");
        RecordWriter records;
        ServerConfig{.ID = "ctf", .Game = "ctf"}.SaveToFile(records);
        install.AddFile("cvservers.dat", records.Bytes());
        QSettings settings(root.filePath("config/Corvale/Corvale.conf"), QSettings::IniFormat);
        settings.setValue("Options/Path", install.Path());
        settings.setValue("Options/Executable", "quake2");
        settings.setValue("Settings/ServerFile", install.Absolute("cvservers.dat"));
        settings.setValue("Settings/ServerIndex", "0");
        settings.setValue("Settings/LaunchType", "0");
        settings.sync();
        QCOMPARE(Copy(root.path(), "--launch-corvale").ExitCode(), 0);
        QTRY_COMPARE(install.GameLog().mid(1),
                     QStringList({"arg=+set", "arg=dedicated", "arg=1", "arg=+set", "arg=game",
                                  "arg=ctf", "arg=+exec", "arg=Corvale.cfg"}));
    }

    // A second copy with the same settings brings the first forward and
    // writes nothing; a copy killed outright leaves a lock and a socket that
    // the next one takes over.
    void oneCopyPerSettingsFolder() {
        QTemporaryDir root;
        const QString conf = root.filePath("config/Corvale/Corvale.conf");
        QSettings(conf, QSettings::IniFormat).setValue("Settings/LaunchType", "2");

        auto first = std::make_unique<Copy>(root.path());
        QVERIFY(first->Running());
        const QByteArray settingsBefore = FileBytes(conf);
        QCOMPARE(Copy(root.path()).ExitCode(), 0);
        QCOMPARE(QDir(root.filePath("work")).entryList(QDir::Files), QStringList());
        QCOMPARE(FileBytes(conf), settingsBefore);

        first.reset();
        Copy third(root.path());
        QVERIFY(third.Running());
        QCOMPARE(Copy(root.path()).ExitCode(), 0);
    }

    // A logout, shutdown or kill while the default server configuration's
    // dialog is open after Launch saves as a close does and starts no game:
    // the user never confirmed that launch.
    void sessionEndInTheLaunchDialog_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("TERM") << SIGTERM;
        QTest::newRow("HUP") << SIGHUP;
        QTest::newRow("INT") << SIGINT;
    }
    void sessionEndInTheLaunchDialog() {
        QFETCH(int, signal);
        QTemporaryDir root;
        FakeInstallation install;
        install.AddDirectory("baseq2");
        install.InstallGame("quake2");
        const QString conf = root.filePath("config/Corvale/Corvale.conf");
        QSettings(conf, QSettings::IniFormat).setValue("Options/Path", install.Path());

        Copy copy(root.path(), "--press-launch");
        QVERIFY(copy.Running());
        ::kill(pid_t(copy.mProcess.processId()), signal);
        QCOMPARE(copy.ExitCode(), 0);
        // The launch script is written before the game starts.
        QCOMPARE(QDir(install.Absolute("baseq2")).entryList(QDir::Files), QStringList());
        QVERIFY(!QFile::exists(install.Absolute("fakegame.log")));
        QCOMPARE(QDir(root.filePath("work")).entryList(QDir::Files),
                 QStringList({"cvclients.dat", "cvremotes.dat", "cvservers.dat"}));
        QCOMPARE(QSettings(conf, QSettings::IniFormat).value("Settings/MainLeft"), "1005");
    }

    // A logout while a dedicated server runs in its console asks nothing and
    // leaves the server running.
    void sessionEndLeavesTheServerRunning() {
        QTemporaryDir root;
        FakeInstallation install;
        install.AddDirectory("baseq2");
        install.InstallGame("quake2");
        QSettings settings(root.filePath("config/Corvale/Corvale.conf"), QSettings::IniFormat);
        settings.setValue("Options/Path", install.Path());
        settings.setValue("Settings/LaunchType", 0);
        settings.sync();

        Copy copy(root.path(), "--serve-console");
        QVERIFY(copy.Running());
        QVERIFY(copy.mProcess.waitForReadyRead(30000));
        QCOMPARE(copy.mProcess.readLine(), "serving\n");
        ::kill(pid_t(copy.mProcess.processId()), SIGTERM);
        QCOMPARE(copy.ExitCode(), 0);
        QTRY_VERIFY(QFile::exists(install.Absolute("fakegame.inputended")));
    }

    // A copy that holds the lock but does not answer: the second one says so.
    void secondMainWithoutAnswerSaysSo() {
        QVERIFY(QDir().mkpath(SettingsFolder()));
        QLockFile lock(SettingsFolder() + "/Corvale.instance.lock");
        QVERIFY(lock.tryLock());
        const QStringList before = QDir(SettingsFolder()).entryList(QDir::Files);
        ScriptedPrompts prompts;
        QCOMPARE(Main(*qApp), 1);
        QCOMPARE(prompts.messages, QStringList{"Corvale is already running"});
        QCOMPARE(QDir(SettingsFolder()).entryList(QDir::Files), before);
        QCOMPARE(QDir(mWork->path()).entryList(QDir::Files), QStringList());
    }

    // Two copies started at the same moment: the lock holder may not listen
    // yet when the later copy asks. The later one waits and brings it forward.
    void copyStartedAtTheSameMoment() {
        QVERIFY(QDir().mkpath(SettingsFolder()));
        auto lock = std::make_unique<QLockFile>(SettingsFolder() + "/Corvale.instance.lock");
        QVERIFY(lock->tryLock());
        std::unique_ptr<SingleInstance> first;
        int forwarded = 0;
        QObject scope;
        // Runs once the later copy has found nobody listening.
        QTimer::singleShot(0, &scope, [&] {
            lock.reset();
            first = std::make_unique<SingleInstance>(SettingsFolder(), RuntimeFolder());
            connect(first.get(), &SingleInstance::forwardRequested, [&] { ++forwarded; });
        });
        ScriptedPrompts prompts;
        QCOMPARE(Main(*qApp), 0);
        QCOMPARE(forwarded, 1);
    }

    // A first run creates the settings folder, here behind a link: a later
    // copy, which finds the folder, must still reach the first one.
    void newSettingsFolderBehindALink() {
        QTemporaryDir dir;
        QVERIFY(QFile::link(dir.path(), dir.filePath("link")));
        const QString folder = dir.filePath("link/Corvale");
        const SingleInstance first(folder, QString());
        QCOMPARE(SingleInstance(folder, QString()).ServerName(), first.ServerName());
    }

    // Another user on the machine (the test takes the identity of the user
    // nobody for a moment) can neither take the socket's name, nor answer in
    // the running copy's place, nor ask it to come forward.
    void anotherUserCannotInterceptOrAsk() {
        if (::geteuid() != 0)
            QSKIP("taking another user's identity needs root");
        QVERIFY(QDir().mkpath(SettingsFolder()));
        auto lock = std::make_unique<QLockFile>(SettingsFolder() + "/Corvale.instance.lock");
        QVERIFY(lock->tryLock());
        const SingleInstance inRuntime(SettingsFolder(), RuntimeFolder());
        // Without a runtime folder the name lies in the shared temporary one.
        SingleInstance later(SettingsFolder(), QString());
        QLocalServer squatter;
        QVERIFY(::seteuid(65534) == 0);
        const bool runtimeNameTaken = QLocalServer().listen(inRuntime.ServerName());
        const bool sharedNameTaken = squatter.listen(later.ServerName());
        QVERIFY(::seteuid(0) == 0);
        QVERIFY(!runtimeNameTaken);
        QVERIFY(sharedNameTaken);
        connect(&squatter, &QLocalServer::newConnection,
                [&] { squatter.nextPendingConnection()->write("ok\n"); });
        QVERIFY(!later.BringRunningCopyForward());

        lock.reset();
        SingleInstance first(SettingsFolder(), QString());
        int forwarded = 0;
        connect(&first, &SingleInstance::forwardRequested, [&] { ++forwarded; });
        // As on a system that ignores a socket's access rights.
        QVERIFY(QFile::setPermissions(QDir::temp().filePath(first.ServerName()),
                                      QFileDevice::Permissions(0x7777)));
        QLocalSocket knock;
        QVERIFY(::seteuid(65534) == 0);
        knock.connectToServer(first.ServerName());
        QVERIFY(::seteuid(0) == 0);
        knock.write("forward\n");
        QTRY_COMPARE(knock.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(forwarded, 0);
    }

    // A settings folder that cannot be made (a file has its name, which fails
    // for root too): Corvale says why and does not start; a window that runs
    // all the same reports the settings it could not save, and saves the lists.
    void settingsFolderThatIsAFile() {
        QDir(SettingsFolder()).removeRecursively();
        QVERIFY(QFile(SettingsFolder()).open(QIODevice::WriteOnly));
        ScriptedPrompts prompts;
        const int status = Main(*qApp);
        {
            Quake2 game;
            frmCorvale window(game);
            window.Load();
            window.close();
        }
        QFile::remove(SettingsFolder());
        QCOMPARE(status, 1);
        QCOMPARE(
            prompts.messages,
            QStringList({"Corvale cannot start: the settings folder " + SettingsFolder() +
                             " cannot hold its lock file (the folder cannot be created).",
                         QString("The settings could not be saved: %1 (%2)")
                             .arg(SettingsStore::FileName(), "its folder cannot be written")}));
        QVERIFY(QFile::exists(mWork->filePath("cvclients.dat")));
    }

    // Stored placements that are no numbers, out of range or out of reach
    // give the default placement, which is what is saved again.
    void hostilePlacements_data() {
        QTest::addColumn<QStringList>("stored"); // left, top, width, height in twips
        QTest::addColumn<QRect>("placed");
        const auto row = [](const char* stored, QRect placed = QRect(67, 67, 514, 511)) {
            QTest::newRow(stored) << QString(stored).split(u' ') << placed;
        };
        row("1500 1500 6000 6000", QRect(100, 100, 514, 511)); // the smallest size
        row("nan 1500 6000 6000");
        row("1e300 1500 6000 6000");
        row("1500 -1e12 6000 6000");
        row("1500 1500 6000 tall");
        row("1500 1500 1e9 6000");
        row("-300000 1500 6000 6000"); // off every screen
        row("1500 1500 15 6000");
    }
    void hostilePlacements() {
        QFETCH(QStringList, stored);
        QFETCH(QRect, placed);
        const char* keys[] = {"Settings/MainLeft", "Settings/MainTop", "Settings/MainWidth",
                              "Settings/MainHeight"};
        for (int i = 0; i < 4; ++i)
            mSettings.SetRaw(keys[i], stored[i]);
        {
            Quake2 game;
            frmCorvale window(game);
            window.Load();
            QCOMPARE(QRect(window.pos(), window.size()), placed);
            window.close();
        }
        const int saved[] = {placed.x(), placed.y(), placed.width(), placed.height()};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(mSettings.Raw(keys[i]), QString::number(saved[i] * 15));
    }
};

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QByteArray mode = argc > 1 ? argv[1] : "";
    if (mode == "--run-corvale" || mode == "--launch-corvale" || mode == "--press-launch" ||
        mode == "--serve-console") {
        // Corvale as a user starts it; tells the test once its event loop
        // runs (with --press-launch: in the dialog that Launch opens).
        QTimer::singleShot(0, [mode] {
            QTimer::singleShot(0, [] {
                std::puts("running");
                std::fflush(stdout);
            });
            if (mode == "--press-launch")
                gMainForm->LaunchGame();
            if (mode == "--serve-console") {
                WhenDialogOpens(
                    [](QDialog* dialog) { dialog->findChild<QPushButton*>("cmdOK")->click(); });
                gMainForm->LaunchGame();
                std::puts("serving");
                std::fflush(stdout);
            }
        });
        QApplication::setApplicationName(kProgramName);
        QApplication::setOrganizationName(kProgramName);
        return Main(application,
                    mode == "--launch-corvale" ? StartMode::LaunchOnly : StartMode::Window);
    }
    ApplyLook(application);
    SessionTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_session.moc"
