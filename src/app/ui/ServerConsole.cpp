#include "app/ui/ServerConsole.h"

#include "common/TextDecoding.h"
#include "widgets/Prompts.h"
#include "widgets/SingleLine.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <utility>

namespace {

// Enough lines to scroll back through a long evening; older ones are dropped.
constexpr int kKeptLines = 20000;

} // namespace

ServerConsole::ServerConsole(QWidget* parent)
    : QWidget(parent, Qt::Window), mOutput(new QPlainTextEdit(this)), mCommand(new QLineEdit(this)),
      mStop(new QPushButton(tr("&Stop"), this)), mState(new QLabel(this)) {
    setObjectName(QStringLiteral("ServerConsole"));
    setAttribute(Qt::WA_DeleteOnClose);
    mOutput->setObjectName(QStringLiteral("txtOutput"));
    mCommand->setObjectName(QStringLiteral("txtCommand"));
    mStop->setObjectName(QStringLiteral("cmdStop"));
    mState->setObjectName(QStringLiteral("lblState"));
    mOutput->setReadOnly(true);
    mOutput->setMaximumBlockCount(kKeptLines);
    mOutput->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    mOutput->setLineWrapMode(QPlainTextEdit::NoWrap);
    mCommand->setPlaceholderText(tr("Console command"));
    KeepSingleLine(this);

    auto* commandLabel = new QLabel(tr("&Command:"), this);
    commandLabel->setBuddy(mCommand);
    auto* command = new QHBoxLayout;
    command->addWidget(commandLabel);
    command->addWidget(mCommand, 1);
    command->addWidget(mStop);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mOutput, 1);
    layout->addLayout(command);
    layout->addWidget(mState);
    resize(640, 400);

    mProcess.setProcessChannelMode(QProcess::MergedChannels);
    mKillTimer.setSingleShot(true);
    mKillTimer.setInterval(std::chrono::seconds(3));
    connect(&mKillTimer, &QTimer::timeout, &mProcess, &QProcess::kill);
    connect(&mProcess, &QProcess::readyReadStandardOutput, this, &ServerConsole::ShowOutput);
    connect(&mProcess, &QProcess::finished, this, &ServerConsole::ShowEnd);
    connect(mCommand, &QLineEdit::returnPressed, this, &ServerConsole::SendCommand);
    connect(mStop, &QPushButton::clicked, this, &ServerConsole::Stop);
}

ServerConsole::~ServerConsole() {
    // The process reports its end while it is destroyed, when this console
    // is half gone.
    mProcess.disconnect(this);
    if (!Running())
        return;
    // A server that gets the chance ends cleanly; the process kills one that
    // is still there when it is destroyed.
    mProcess.terminate();
    const auto remaining = mKillTimer.isActive() ? mKillTimer.remainingTimeAsDuration()
                                                 : mKillTimer.intervalAsDuration();
    mProcess.waitForFinished(int(remaining.count()));
}

Result<> ServerConsole::Start(const QString& program, const QStringList& arguments,
                              const QString& workingDirectory) {
    setWindowTitle(tr("Dedicated Server — %1").arg(QFileInfo(program).fileName()));
    if (const Result<> started = mProcess.Start(program, arguments, workingDirectory); !started)
        return started;
    mState->setText(tr("The server is running."));
    return {};
}

bool ServerConsole::Running() const {
    return mProcess.state() != QProcess::NotRunning;
}

bool ServerConsole::RunningOn() const {
    return Running() && !mKillTimer.isActive();
}

void ServerConsole::Stop() {
    if (!Running() || mKillTimer.isActive())
        return;
    mState->setText(tr("Stopping the server…"));
    mStop->setEnabled(false);
    mProcess.terminate();
    mKillTimer.start();
}

void ServerConsole::LeaveRunning() {
    mKillTimer.stop();
    mProcess.Release();
}

void ServerConsole::SetGracePeriod(std::chrono::milliseconds period) {
    mKillTimer.setInterval(period);
}

void ServerConsole::SendCommand() {
    const QString command = mCommand->text();
    if (!Running() || command.isEmpty())
        return;
    mOutput->appendPlainText(QStringLiteral("] ") + command);
    mProcess.write(command.toUtf8() + '\n');
    mCommand->clear();
}

// Shows whole lines as they come; a line without its end waits for it.
void ServerConsole::ShowOutput() {
    mPartialLine += mProcess.readAllStandardOutput();
    qsizetype end;
    while ((end = mPartialLine.indexOf('\n')) >= 0) {
        AppendLine(mPartialLine.left(end));
        mPartialLine.remove(0, end + 1);
    }
}

void ServerConsole::AppendLine(const QByteArray& line) {
    bool fallback = false;
    QString text = DecodeText(line, fallback);
    if (text.endsWith(u'\r'))
        text.chop(1);
    mOutput->appendPlainText(text);
}

void ServerConsole::ShowEnd(int exitCode, QProcess::ExitStatus exitStatus) {
    mKillTimer.stop();
    ShowOutput();
    if (!mPartialLine.isEmpty())
        AppendLine(std::exchange(mPartialLine, QByteArray()));
    mState->setText(exitStatus == QProcess::CrashExit
                        ? tr("The server was ended by signal %1.").arg(exitCode)
                        : tr("The server ended with exit status %1.").arg(exitCode));
    mStop->setEnabled(false);
    mCommand->setEnabled(false);
    if (mDeleteWhenEnded)
        deleteLater();
}

void ServerConsole::closeEvent(QCloseEvent* event) {
    if (Running()) {
        const int choice = Prompts::Choose(this, tr("The dedicated server is still running."),
                                           {tr("Stop the Server"), tr("Leave It Running")});
        if (choice == 0) {
            // The window goes now; the console itself once the server ended.
            event->ignore();
            hide();
            mDeleteWhenEnded = true;
            Stop();
            return;
        }
        if (choice != 1) {
            event->ignore();
            return;
        }
        LeaveRunning();
    }
    event->accept();
}
