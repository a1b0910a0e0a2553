#include "app/ui/ServerConsole.h"
#include "support/ScriptedPrompts.h"
#include "support/TestSupport.h"

#include <QtWidgets>

#include <csignal>

class ServerConsoleTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakeInstallation> mInstall;
    QPointer<ServerConsole> mConsole;

    // A console on the substitute game started as a dedicated server, once
    // the server has said something on each of its outputs.
    void Start() {
        mInstall = std::make_unique<FakeInstallation>();
        mInstall->InstallGame("quake2");
        mConsole = new ServerConsole;
        mConsole->SetGracePeriod(std::chrono::milliseconds(100));
        const Result<> started = mConsole->Start(mInstall->Absolute("quake2"),
                                                 {"+set", "dedicated", "1"}, mInstall->Path());
        QVERIFY2(started, qPrintable(started.Error()));
        mConsole->show();
        QTRY_COMPARE(Output(), "Dedicated server running\nno map loaded");
    }
    QString Output() { return Find<QPlainTextEdit>(mConsole, "txtOutput")->toPlainText(); }
    QString State() { return Find<QLabel>(mConsole, "lblState")->text(); }
    void Type(const QString& command) {
        auto* line = Find<QLineEdit>(mConsole, "txtCommand");
        line->setText(command);
        QTest::keyClick(line, Qt::Key_Return);
    }

private Q_SLOTS:
    void cleanup() {
        delete mConsole;
        mInstall.reset();
    }

    // A typed command reaches the server's input; how the server ended shows,
    // and a console whose server ended closes without a question.
    void passesCommandsAndShowsTheEnd() {
        Start();
        Type("status");
        QTRY_VERIFY(Output().endsWith("] status\ngot: status"));
        Type("exit 3");
        QTRY_COMPARE(State(), "The server ended with exit status 3.");
        ScriptedPrompts prompts;
        mConsole->close();
        QTRY_VERIFY(!mConsole);
        QCOMPARE(prompts.messages, QStringList());
        ServerConsole console;
        QVERIFY(!console.Start(mInstall->Absolute("missing"), {}, mInstall->Path()));
    }

    // Stop asks the server to end, and ends one that stays past the grace
    // period.
    void stop_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("signal");
        QTest::newRow("ends when asked") << "status" << SIGTERM;
        QTest::newRow("stays") << "hold" << SIGKILL;
    }
    void stop() {
        QFETCH(QString, before);
        QFETCH(int, signal);
        Start();
        Type(before);
        QTRY_VERIFY(Output().endsWith(before == "hold" ? "holding" : "got: status"));
        Find<QPushButton>(mConsole, "cmdStop")->click();
        QTRY_COMPARE(State(), QString("The server was ended by signal %1.").arg(signal));
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
        const QString inputEnded = mInstall->Absolute("fakegame.inputended");
        if (choice == 1)
            QTRY_VERIFY(QFile::exists(inputEnded));
        else
            QVERIFY(!QFile::exists(inputEnded));
    }
};

CORVALE_WIDGET_TEST_MAIN(ServerConsoleTest)
#include "tst_serverconsole.moc"
