#include "app/ui/ServerConsole.h"
#include "support/ScriptedPrompts.h"
#include "support/TestSupport.h"

#include <QtWidgets>

class ServerConsoleTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakeInstallation> mInstall;
    QPointer<ServerConsole> mConsole;

    // A console on the substitute game started as a dedicated server (after
    // a failed start), once the server has said something on both outputs.
    void Start() {
        mInstall = std::make_unique<FakeInstallation>();
        mInstall->InstallGame("quake2");
        mConsole = new ServerConsole;
        mConsole->SetGracePeriod(std::chrono::milliseconds(100));
        QVERIFY(!mConsole->Start(mInstall->Absolute("missing"), {}, mInstall->Path()));
        QVERIFY(mConsole->Start(mInstall->Absolute("quake2"), {"+set", "dedicated", "1"},
                                mInstall->Path()));
        mConsole->show();
        QTRY_COMPARE(Output(), "Dedicated server running\nno map loaded");
    }
    QString Output() { return Find<QPlainTextEdit>(mConsole, "txtOutput")->toPlainText(); }

private Q_SLOTS:
    void cleanup() {
        delete mConsole;
        mInstall.reset();
    }

    // A typed command reaches the server's input; Stop asks the server to
    // end, and ends one that stays past the grace period; how the server
    // ended shows.
    void commandsAndEnds_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("answer"); // then Stop
        QTest::addColumn<QString>("end");
        const auto row = [](const char* command, const char* answer, const char* end) {
            QTest::newRow(command) << QString(command) << QString(answer) << QString(end);
        };
        row("exit 3", "", "The server ended with exit status 3.");
        row("status", "got: status", "The server was ended by signal 15.");
        row("hold", "holding", "The server was ended by signal 9."); // TERM ignored
    }
    void commandsAndEnds() {
        QFETCH(QString, command);
        QFETCH(QString, answer);
        QFETCH(QString, end);
        Start();
        auto* line = Find<QLineEdit>(mConsole, "txtCommand");
        line->setText(command);
        QTest::keyClick(line, Qt::Key_Return);
        if (!answer.isEmpty()) {
            QTRY_VERIFY(Output().endsWith("] " + command + "\n" + answer));
            Find<QPushButton>(mConsole, "cmdStop")->click();
        }
        QTRY_COMPARE(Find<QLabel>(mConsole, "lblState")->text(), end);
    }

    // Closing the console while the server runs: Cancel keeps both, Stop ends
    // the server and then the console, Leave running lets the server outlive
    // the console (it reads the end of its input and writes on).
    void closingWhileRunning_data() {
        QTest::addColumn<int>("choice");
        QTest::newRow("cancel") << -1;
        QTest::newRow("stop") << 0;
        QTest::newRow("leave running") << 1;
    }
    void closingWhileRunning() {
        QFETCH(int, choice);
        Start();
        ScriptedPrompts prompts;
        prompts.choices << choice;
        mConsole->close();
        QCOMPARE(prompts.messages, QStringList{"The dedicated server is still running."});
        if (choice < 0) {
            QVERIFY(mConsole->isVisible() && mConsole->Running());
            return;
        }
        QTRY_VERIFY(!mConsole);
        QTRY_COMPARE(QFile::exists(mInstall->Absolute("fakegame.inputended")), choice == 1);
    }
};

CORVALE_WIDGET_TEST_MAIN(ServerConsoleTest)
#include "tst_serverconsole.moc"
