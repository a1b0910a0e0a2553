#include "app/Launcher.h"
#include "app/ui/Main.h"
#include "app/ui/ServerConsole.h"
#include "app/ui/frmCorvale.h"
#include "common/RecordWriter.h"
#include "game/Quake2.h"
#include "support/FakeGameServers.h"
#include "support/LayoutCheck.h"
#include "support/ScriptedPrompts.h"
#include "support/TestSupport.h"

#include <QtWidgets>

namespace {

void Press(QWidget* window, const char* button) {
    Find<QPushButton>(window, button)->click();
}

int Selected(QListView* list) {
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private:
    TemporarySettings mSettings;
    std::unique_ptr<FakeInstallation> mInstall;
    std::unique_ptr<Quake2> mGame;
    std::unique_ptr<frmCorvale> mWindow;

    // Starts the program's main window as a run would.
    void Start() {
        mGame = std::make_unique<Quake2>();
        mWindow = std::make_unique<frmCorvale>(*mGame);
        mWindow->Load();
        mWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(mWindow.get()));
    }
    // Closes the window and ends the run, writing everything; consoles stop their servers.
    void Stop() {
        qDeleteAll(mWindow->findChildren<ServerConsole*>());
        mWindow->close();
        mWindow.reset();
        mGame.reset();
    }

    template <typename T> T* Find(const char* name) { return ::Find<T>(mWindow.get(), name); }
    QListView* Servers() { return Find<QListView>("lstServer"); }
    QListView* Clients() { return Find<QListView>("lstClient"); }
    void AddServer(const QString& name) {
        ScriptedPrompts prompts;
        prompts.inputAnswers << name;
        WhenDialogOpens([](QDialog* dialog) { Press(dialog, "cmdCancel"); });
        Press(mWindow.get(), "cmdServerAdd");
    }
    // In client-only mode the server list holds addresses, added without a
    // dialog.
    void AddRemote(const QString& address) {
        ScriptedPrompts prompts;
        prompts.inputAnswers << address;
        Press(mWindow.get(), "cmdServerAdd");
    }
    void AddProfile(const QString& name, const QString& configFile = QString()) {
        WhenDialogOpens([name, configFile](QDialog* dialog) {
            QTest::keyClicks(::Find<QWidget>(dialog, "txtProfileName"), name);
            QTest::keyClicks(::Find<QWidget>(dialog, "cboConfigFile"), configFile);
            Press(dialog, "cmdOK");
        });
        Press(mWindow.get(), "cmdClientAdd");
    }
    QString StatusText() { return Find<QLabel>("lblStatusText")->text(); }
    void ChooseLaunchType(int type) {
        Find<QRadioButton>(QStringLiteral("optLaunch%1").arg(type).toLatin1())->click();
    }

private Q_SLOTS:
    void init() {
        mSettings.Clear();
        mInstall = std::make_unique<FakeInstallation>();
        mInstall->AddDirectory("baseq2");
        mInstall->InstallGame("quake2");
        mSettings.SetRaw("Settings/ClientFile", mInstall->Absolute("cvclients.dat"));
        mSettings.SetRaw("Settings/ServerFile", mInstall->Absolute("cvservers.dat"));
        mSettings.SetRaw("Settings/RemoteServerFile", mInstall->Absolute("cvremotes.dat"));
        mSettings.SetRaw("Options/Path", mInstall->Path());
        mSettings.SetRaw("Options/Executable", "quake2");
    }
    void cleanup() {
        if (mWindow)
            Stop();
        mInstall.reset();
    }

    // Every command settles a pending deselection, e.g. the command line preview.
    void clickOnSelectedEntryDeselectsAndDoubleClickOpens() {
        Start();
        AddProfile("one");
        AddProfile("two");
        QCOMPARE(Selected(Clients()), 1);
        ClickEntry(Clients(), 1);
        QTRY_COMPARE(Selected(Clients()), -1);
        QVERIFY(!Find<QPushButton>("cmdClientChange")->isEnabled());
        QVERIFY(!Find<QPushButton>("cmdClientRemove")->isEnabled());

        ScriptedPrompts prompts;
        ClickEntry(Clients(), 0);
        Find<QAction>("mnuViewCommandLine")->trigger();
        QCOMPARE(Selected(Clients()), 0);
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        bool opened = false;
        WhenDialogOpens([&opened](QDialog* dialog) {
            opened = dialog->objectName() == "frmUserProfile";
            Press(dialog, "cmdCancel");
        });
        // A double click starts with a click on the selected entry.
        ClickEntry(Clients(), 0);
        const QPoint at = Clients()->visualRect(Clients()->model()->index(0, 0)).center();
        QTest::mouseDClick(Clients()->viewport(), Qt::LeftButton, {}, at);
        QTRY_VERIFY(opened);
        Find<QAction>("mnuViewCommandLine")->trigger();
        QCOMPARE(Selected(Clients()), 0);
    }

    // A server configuration starts from the defaults; a cancelled profile
    // dialog or an empty address adds nothing.
    void addingEntries() {
        Start();
        AddServer("ffa");
        QCOMPARE(mWindow->State().Servers().at(0).ServerName, QStringLiteral("noname"));
        QCOMPARE(Selected(Servers()), 0);
        // Removing an entry selects the one that takes its place.
        AddServer("ctf");
        AddServer("coop");
        Servers()->setCurrentIndex(Servers()->model()->index(1, 0));
        Press(mWindow.get(), "cmdServerRemove");
        QCOMPARE(Entries(Servers()), QStringList({"ffa", "coop"}));
        QCOMPARE(Selected(Servers()), 1);
        QVERIFY(Find<QPushButton>("cmdServerRemove")->isEnabled());

        WhenDialogOpens([](QDialog* dialog) { Press(dialog, "cmdCancel"); });
        Press(mWindow.get(), "cmdClientAdd");
        QVERIFY(mWindow->State().Clients().empty());

        ChooseLaunchType(2);
        AddRemote("127.0.0.1:27910");
        AddRemote("");
        QCOMPARE(Entries(Servers()), QStringList{"127.0.0.1:27910"});
        QCOMPARE(mWindow->State().Servers().size(), size_t(2));
    }

    // In client-only mode each remote server shows its last status as a
    // tooltip, and the status window is offered for the selected one.
    void remoteServersShowTheirStatus() {
        FakeGameServers servers;
        const quint16 up = servers.Add(GameReply("\\hostname\\Frag fest\\mapname\\q2dm1"
                                                 "\\maxclients\\16\n3 20 \"Bob\"\n"));
        const quint16 down = servers.Add(QByteArray());
        Start();
        QAction* status = Find<QAction>("mnuViewServerStatus");
        ChooseLaunchType(2);
        AddRemote(QStringLiteral("127.0.0.1:%1").arg(up));
        AddRemote(QStringLiteral("127.0.0.1:%1").arg(down));
        const auto tip = [this](int row) {
            return Servers()->model()->index(row, 0).data(Qt::ToolTipRole).toString();
        };
        QTRY_VERIFY(tip(0).startsWith(QStringLiteral("Frag fest — q2dm1 — 1/16 players — ")));
        QTRY_COMPARE_WITH_TIMEOUT(tip(1), QStringLiteral("no answer"), 3000);
        QVERIFY(status->isEnabled());
        status->trigger();
        QTRY_VERIFY(QApplication::topLevelWidgets().contains(
            mWindow->findChild<QWidget*>("frmServerStatus")));
        ChooseLaunchType(1);
        QVERIFY(!status->isEnabled());
        QCOMPARE(tip(0), QString());
    }

    // Enter within the double-click interval after a click on the selected
    // server launches with what the list shows afterwards: nothing selected,
    // so the default configuration (base game) after its dialog.
    void launchSettlesAPendingDeselect() {
        Start();
        AddServer("ctf");
        mWindow->State().Servers()[0].Game = "ctf";
        mWindow->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(mWindow.get()));
        ScriptedPrompts prompts;
        bool defaultDialogShown = false;
        WhenDialogOpens([&defaultDialogShown](QDialog* dialog) {
            defaultDialogShown = dialog->windowTitle() == "Server Configuration";
            Press(dialog, "cmdOK");
        });
        ClickEntry(Servers(), 0);
        QTest::keyClick(Servers(), Qt::Key_Return);
        QVERIFY(defaultDialogShown);
        QCOMPARE(Selected(Servers()), -1);
        QCOMPARE(mInstall->GameLog(), QStringList({"cwd=" + QDir(mInstall->Path()).canonicalPath(),
                                                   "arg=+exec", "arg=Corvale.cfg"}));
        QVERIFY(FileBytes(mInstall->Absolute("baseq2/Corvale.cfg"))
                    .startsWith("exec default.cfg\r\n\r\nset deathmatch\t1\r\n"));
        QCOMPARE(prompts.messages, QStringList());
    }

    // A failed launch says why and keeps the window; the game never runs on a
    // script that could not be written. A viewer that cannot start says so.
    void launchFailureKeepsTheWindow() {
        mInstall->AddFile("not-a-program", "");
        mSettings.SetRaw("Options/Executable", "not-a-program");
        mSettings.SetRaw("Options/CloseOnLaunch", "True");
        mSettings.SetRaw("Options/Viewer", "no-such-viewer");
        Start();
        ScriptedPrompts prompts;
        ChooseLaunchType(2);
        // The game never runs on a script that could not be written.
        QDir(mInstall->Absolute("baseq2")).removeRecursively();
        Press(mWindow.get(), "cmdLaunch");
        mInstall->AddDirectory("baseq2");
        Press(mWindow.get(), "cmdLaunch");
        QVERIFY(prompts.messages.value(0).startsWith("The launch config script " +
                                                     mInstall->Absolute("baseq2/Corvale.cfg") +
                                                     " could not be written: "));
        QCOMPARE(prompts.messages.value(1), "Could not launch Quake2");
        QCOMPARE(prompts.details.value(1), "Program: " + mInstall->Path() +
                                               "not-a-program\nWorking directory: " +
                                               mInstall->Path() + "\nReason: Permission denied");
        QVERIFY(mWindow->isVisible());
        Find<QAction>("mnuViewConfigFile")->trigger();
        QCOMPARE(prompts.messages.value(2), "Could not open text viewer");
    }

    void closeOnLaunchStoresEverything() {
        mSettings.SetRaw("Options/CloseOnLaunch", "True");
        Start();
        ChooseLaunchType(2);
        AddProfile("me", "me.cfg");
        Press(mWindow.get(), "cmdLaunch");
        QTRY_VERIFY(!mWindow->isVisible());
        QCOMPARE(FileBytes(mInstall->Absolute("cvclients.dat")),
                 QByteArray("\"me\"\r\n\"me.cfg\"\r\n"));
        QCOMPARE(FileBytes(mInstall->Absolute("baseq2/Corvale.cfg")),
                 QByteArray("exec me.cfg\r\n\r\n"));
        mWindow.reset();
        QCOMPARE(mSettings.Raw("Settings/LaunchType"), QStringLiteral("2"));
        QCOMPARE(mSettings.Raw("Settings/ClientIndex"), QStringLiteral("0"));
    }

    // The Launch button, the command line's launch and the two previews
    // take one and the same launch for every launch type: the program, its
    // arguments, its working directory and the script. The command line is
    // shown without writing the script; the viewer gets the script's path as
    // one argument (the substitute game stands in for it).
    void everyCommandTakesTheSameLaunch_data() {
        QTest::addColumn<int>("launchType");
        QTest::addColumn<QString>("started");
        QTest::newRow("dedicated") << 0 << "Quake2 started: dedicated server, ctf";
        QTest::newRow("listen") << 1 << "Quake2 started: listen server, ctf";
        QTest::newRow("client only")
            << 2 << "Quake2 started: client, connecting to 127.0.0.1:27910";
    }
    void everyCommandTakesTheSameLaunch() {
        QFETCH(int, launchType);
        RecordWriter servers, clients, remotes;
        ServerConfig{
            .ID = "ctf", .Game = "ctf", .MapMode = ServerConfig::SpecificMap, .MapName = "q2dm1"}
            .SaveToFile(servers);
        UserProfile{"me", "me.cfg"}.SaveToFile(clients);
        ServerAddr{"127.0.0.1:27910"}.SaveToFile(remotes);
        mInstall->AddFile("cvservers.dat", servers.Bytes());
        mInstall->AddFile("cvclients.dat", clients.Bytes());
        mInstall->AddFile("cvremotes.dat", remotes.Bytes());
        mInstall->AddDirectory("ctf");
        for (const char* key : {"ServerIndex", "ClientIndex", "RemoteServerIndex"})
            mSettings.SetRaw(QStringLiteral("Settings/") + key, "0");
        mSettings.SetRaw("Settings/LaunchType", QString::number(launchType));
        mSettings.SetRaw("Settings/LaunchConfig", "my x.cfg");
        mSettings.SetRaw("Options/Viewer", mInstall->Absolute("quake2"));
        CurrentDirectoryGuard guard;
        QDir::setCurrent(mInstall->Path());
        const QString script = mInstall->Absolute("baseq2/my x.cfg");
        // What the started program recorded, and the script it found.
        const auto run = [&](const std::function<void()>& command) {
            QFile::remove(mInstall->Absolute("fakegame.log"));
            QFile::remove(script);
            command();
            return std::pair(mInstall->GameLog(), FileBytes(script));
        };
        ScriptedPrompts prompts;
        int status = -1;
        const auto launched = run([&status] { status = Main(*qApp, StartMode::LaunchOnly); });
        QCOMPARE(status, 0);
        QVERIFY(launched.second.contains("map q2dm1") || launchType == 2);
        Start();
        QCOMPARE(run([this] { Press(mWindow.get(), "cmdLaunch"); }), launched);
        // Told in the status bar for a while, then ready again.
        QTEST(StatusText(), "started");
        Find<QTimer>("tmrStatusNotice")->setInterval(0);
        QTRY_COMPARE(StatusText(), "Ready");
        QCOMPARE(
            run([this] { Find<QAction>("mnuViewConfigFile")->trigger(); }),
            std::pair(QStringList({launched.first.first(), "arg=" + script}), launched.second));
        QFile::remove(script);
        Find<QAction>("mnuViewCommandLine")->trigger();
        QVERIFY(!QFile::exists(script));
        const QStringList arguments =
            launched.first.mid(1).replaceInStrings(QRegularExpression("^arg="), "");
        QCOMPARE(prompts.messages, QStringList{CommandLineText("quake2", arguments)});
    }

    // A missing game program or folder is named before any dialog, also by
    // the previews, and no script is written; the first Launch in the window
    // then opens the options, where the game can be set and launched.
    void missingGameIsNamedFirst() {
        ScriptedPrompts prompts;
        QStringList dialogs;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            dialogs << dialog->objectName();
            if (dialogs.size() == 1)
                ::Find<QLineEdit>(dialog, "txtPath")->setText(mInstall->Path());
            Press(dialog, "cmdOK");
        });
        watch.start(10);
        mSettings.SetRaw("Options/Executable", "q2");
        QCOMPARE(Main(*qApp, StartMode::LaunchOnly), 1);
        // Now the program by its full path, in a folder that is gone.
        mSettings.SetRaw("Options/Path", mInstall->Path() + "nowhere/");
        mSettings.SetRaw("Options/Executable", mInstall->Absolute("quake2"));
        Start();
        QCOMPARE(StatusText(), "Quake2 was not found: set its folder under View > Options");
        Find<QAction>("mnuViewConfigFile")->trigger();
        Press(mWindow.get(), "cmdLaunch");
        QVERIFY(!QFile::exists(mInstall->Absolute("baseq2/Corvale.cfg")));
        QCOMPARE(StatusText(), "Ready");
        Press(mWindow.get(), "cmdLaunch");
        QCOMPARE(dialogs, QStringList({"frmOptions", "frmServer"}));
        QCOMPARE(StatusText(), "Quake2 started: listen server");
        const QString notFound = "Quake2 was not found\n\nGame folder: %1\nProgram: %2\n\n";
        QCOMPARE(prompts.messages.size(), 3);
        QVERIFY(prompts.messages[0].startsWith(
            notFound.arg(mInstall->Path(), mInstall->Path() + "q2")));
        for (int i : {1, 2})
            QVERIFY(prompts.messages[i].startsWith(
                notFound.arg(mInstall->Path() + "nowhere/", mInstall->Absolute("quake2"))));
    }

    // A dedicated server launched from the shown window runs in a console
    // showing its output and taking commands, unless the window closes on
    // launch. Closing the window while it runs asks: Cancel keeps the window,
    // Stop ends the server, Leave running lets it run on, as a logout does.
    void dedicatedServerConsole_data() {
        QTest::addColumn<bool>("closeOnLaunch");
        QTest::addColumn<bool>("shown"); // hidden as for the command line's launch
        QTest::addColumn<int>("choice"); // -2: the session ends instead
        QTest::newRow("close on launch") << true << true << 0;
        QTest::newRow("window hidden") << false << false << 0;
        QTest::newRow("stop") << false << true << 0;
        QTest::newRow("leave running") << false << true << 1;
        QTest::newRow("logout") << false << true << -2;
    }
    void dedicatedServerConsole() {
        QFETCH(bool, closeOnLaunch);
        QFETCH(bool, shown);
        QFETCH(int, choice);
        mSettings.SetRaw("Options/CloseOnLaunch", closeOnLaunch ? "True" : "False");
        mSettings.SetRaw("Settings/LaunchType", "0");
        Start();
        mWindow->setVisible(shown);
        WhenDialogOpens([](QDialog* dialog) { Press(dialog, "cmdCancel"); });
        QVERIFY(mWindow->LaunchGame());
        auto* console = mWindow->findChild<ServerConsole*>();
        QCOMPARE(!console, closeOnLaunch || !shown);
        if (!console)
            return;
        auto* output = ::Find<QPlainTextEdit>(console, "txtOutput");
        QTRY_COMPARE(output->toPlainText(), "Dedicated server running\nno map loaded");
        auto* command = ::Find<QLineEdit>(console, "txtCommand");
        command->setText("status");
        QTest::keyClick(command, Qt::Key_Return);
        QTRY_VERIFY(output->toPlainText().endsWith("] status\ngot: status"));

        ScriptedPrompts prompts;
        prompts.choices << -1 << choice;
        mWindow->close();
        QCOMPARE(prompts.messages, {"A dedicated server started from Corvale is still running."});
        QVERIFY(mWindow->isVisible() && console->Running());
        if (choice == -2)
            mWindow->EndSession();
        else
            mWindow->close();
        QVERIFY(!mWindow->isVisible() && !console->isVisible());
        if (choice == 0)
            QTRY_COMPARE(::Find<QLabel>(console, "lblState")->text(),
                         "The server was ended by signal 15.");
        mWindow.reset();
        QTRY_COMPARE(QFile::exists(mInstall->Absolute("fakegame.inputended")), choice != 0);
    }

    // Each launch type shows its own list and frames, all captions whole. A
    // restart brings back the lists, each launch type's selections, the launch
    // type and the placement, but not a hidden status bar.
    void launchTypesAndRestart() {
        Start();
        QVERIFY(Find<QRadioButton>("optLaunch1")->isChecked());
        for (const char* name : {"one", "two", "three"})
            AddProfile(name);
        AddServer("ffa");
        AddServer("coop");
        Clients()->setCurrentIndex(Clients()->model()->index(2, 0));
        Servers()->setCurrentIndex(Servers()->model()->index(1, 0));
        ChooseLaunchType(2);
        QCOMPARE(Find<QGroupBox>("fraServer")->title(), "Connect To");
        QCOMPARE(Selected(Servers()), -1);
        QVERIFY(!Find<QPushButton>("cmdServerChange")->isEnabled());
        QCOMPARE(LayoutProblems(mWindow.get()), QStringList());
        AddRemote("127.0.0.1:1");
        ChooseLaunchType(0);
        QCOMPARE(Find<QGroupBox>("fraServer")->title(), "Server Configurations");
        QVERIFY(!Find<QGroupBox>("fraClient")->isEnabled());
        QVERIFY(!Find<QPushButton>("cmdClientAdd")->isEnabled());
        QCOMPARE(LayoutProblems(mWindow.get()), QStringList());
        mWindow->move(120, 90);
        mWindow->resize(600, 520);
        Find<QAction>("mnuViewStatusBar")->trigger();
        QVERIFY(!mWindow->statusBar()->isVisible());
        const QPoint place = mWindow->pos();
        Stop();
        Start();
        QCOMPARE(Entries(Servers()), QStringList({"ffa", "coop"}));
        QCOMPARE(Entries(Clients()), QStringList({"one", "two", "three"}));
        QCOMPARE(Selected(Servers()), 1);
        QCOMPARE(Selected(Clients()), -1);
        QVERIFY(Find<QRadioButton>("optLaunch0")->isChecked());
        QCOMPARE(mWindow->pos(), place);
        QCOMPARE(mWindow->size(), QSize(600, 520));
        QVERIFY(mWindow->statusBar()->isVisible());
        ChooseLaunchType(1);
        QCOMPARE(Selected(Clients()), 2);
        QVERIFY(Find<QPushButton>("cmdClientRemove")->isEnabled());
        QCOMPARE(LayoutProblems(mWindow.get()), QStringList());
        ChooseLaunchType(2);
        QCOMPARE(Entries(Servers()), QStringList{"127.0.0.1:1"});
        QCOMPARE(Selected(Servers()), 0);
        // A second start brings the window back from the taskbar.
        mWindow->showMinimized();
        mWindow->BringForward();
        QVERIFY(!mWindow->isMinimized());
    }

    // Beyond its stated size the lists take the extra room, their buttons
    // beside them, the launch column unchanged at the right; a smaller size
    // gives the stated one.
    void layoutFollowsTheWindowSize_data() {
        QTest::addColumn<QSize>("asked");
        QTest::newRow("larger") << QSize(1000, 750);
        QTest::newRow("smaller") << QSize(300, 200);
    }
    void layoutFollowsTheWindowSize() {
        QFETCH(QSize, asked);
        const QSize extra = (asked - QSize(514, 511)).expandedTo(QSize(0, 0));
        Start();
        mWindow->resize(asked);
        QTRY_COMPARE(mWindow->size(), QSize(514, 511) + extra);
        const auto at = [this](const char* name) {
            auto* control = Find<QWidget>(name);
            return QRect(control->mapTo(mWindow->centralWidget(), QPoint()), control->size());
        };
        const int upper = Servers()->height() - 186; // the lists share the extra height
        QVERIFY(qAbs(upper - extra.height() / 2) <= 1);
        const int w = extra.width();
        QCOMPARE(at("lstServer"), QRect(16, 24, 153 + w, 186 + upper));
        QCOMPARE(at("cmdServerRemove"), QRect(184 + w, 80, 81, 33));
        QCOMPARE(at("fraClient"), QRect(8, 224 + upper, 169 + w, 209 + extra.height() - upper));
        QCOMPARE(at("cmdClientAdd"), QRect(184 + w, 232 + upper, 89, 33));
        QCOMPARE(at("imgRandom"), QRect(296 + w, 232, 204, 204));
    }

    // Del removes the selected entry of the focused list only, as its Remove
    // button does; Ctrl+Q ends the run as File > Exit does.
    void keys() {
        Start();
        AddServer("ffa");
        AddProfile("me");
        AddProfile("you");
        mWindow->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(mWindow.get()));
        Clients()->setFocus();
        QTest::keyClick(Clients(), Qt::Key_Delete);
        QCOMPARE(Entries(Clients()), QStringList{"me"});
        QCOMPARE(Entries(Servers()), QStringList{"ffa"});
        QTest::keyClick(Clients(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!mWindow->isVisible());
    }

    void damagedRecordFileIsReportedOnce() {
        const QByteArray damaged = "\"kept\"\r\n\"a.cfg\"\r\n\"cut";
        mInstall->AddFile("cvclients.dat", damaged);
        mInstall->AddFile("cvclients.dat.bak", "from an earlier run");
        ScriptedPrompts prompts;
        Start();
        QTRY_COMPARE(prompts.messages.size(), 1);
        QVERIFY(prompts.messages.first().contains("cvclients.dat.bak"));
        QCOMPARE(Entries(Clients()), QStringList{"kept"});
        Stop();
        QCOMPARE(FileBytes(mInstall->Absolute("cvclients.dat.bak")), damaged);
    }

    // At start-up the picture is shown at its own size, whatever the stretch
    // flag; a double click chooses another.
    void pictureBox() {
        QImage image(300, 300, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(mInstall->Absolute("start.png")));
        QVERIFY(image.save(mInstall->Absolute("picture.png")));
        mSettings.SetRaw("Options/RandomPicture", mInstall->Absolute("start.png"));
        mSettings.SetRaw("Options/StretchToFit", "True");
        ScriptedPrompts prompts;
        Start();
        auto* box = Find<QLabel>("imgRandom");
        QCOMPARE(box->size(), QSize(204, 204));
        QCOMPARE(box->pixmap().size(), QSize(300, 300));
        QVERIFY(!box->hasScaledContents());
        // The Launch caption sits below its picture: what the caption adds
        // to the button begins under the picture's 32 pixels.
        auto* launch = Find<QPushButton>("cmdLaunch");
        const QImage withCaption = launch->grab().toImage();
        launch->setText(QString());
        const QImage bare = launch->grab().toImage();
        int firstCaptionRow = withCaption.height();
        for (int y = 0; y < bare.height() && firstCaptionRow == bare.height(); ++y)
            for (int x = 0; x < bare.width(); ++x)
                if (bare.pixel(x, y) != withCaption.pixel(x, y))
                    firstCaptionRow = y;
        QVERIFY2(firstCaptionRow > 32 && firstCaptionRow < bare.height(),
                 qPrintable(QString::number(firstCaptionRow)));
        for (const char* file : {"missing.png", "picture.png"}) {
            WhenDialogOpens([this, file](QDialog* dialog) {
                ::Find<QLineEdit>(dialog, "txtImageFile")->setText(mInstall->Absolute(file));
                Press(dialog, "cmdOK");
            });
            QTest::mouseDClick(box, Qt::LeftButton);
        }
        QCOMPARE(prompts.messages, QStringList{"File not found"});
        QCOMPARE(box->pixmap().size(), QSize(300, 300));
        QVERIFY(box->hasScaledContents());
        Stop();
        QCOMPARE(mSettings.Raw("Options/RandomPicture"), mInstall->Absolute("picture.png"));
    }
};

CORVALE_WIDGET_TEST_MAIN(MainWindowTest)
#include "tst_frmcorvale.moc"
