#pragma once

#include "common/Result.h"
#include "platform/ProcessStart.h"

#include <QTimer>
#include <QWidget>

#include <chrono>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// A window of its own (not modal) that owns a started dedicated server: it
// shows the server's output as it runs, sends each typed line to the
// server's input, stops it on request and shows how it ended. Closing it
// while the server runs asks whether to stop the server or leave it running.
// It deletes itself once closed and its server stopped or given up.
class ServerConsole : public QWidget {
    Q_OBJECT
public:
    explicit ServerConsole(QWidget* parent = nullptr);
    // A server still running and not left running is asked to end, and
    // killed when it still runs after the grace period.
    ~ServerConsole() override;

    // Starts the server; on failure the reason, and the console shows
    // nothing.
    Result<> Start(const QString& program, const QStringList& arguments,
                   const QString& workingDirectory);
    bool Running() const;
    // Running, and no Stop on its way.
    bool RunningOn() const;
    // Asks the server to end, and ends it when it still runs after the
    // grace period.
    void Stop();
    // Lets the server outlive this console and the launcher.
    void LeaveRunning();
    void SetGracePeriod(std::chrono::milliseconds period);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void SendCommand();
    void ShowOutput();
    void ShowEnd(int exitCode, QProcess::ExitStatus exitStatus);
    void AppendLine(const QByteArray& line);

    PipedProcess mProcess;
    QTimer mKillTimer;
    QByteArray mPartialLine;
    bool mDeleteWhenEnded = false;
    QPlainTextEdit* mOutput;
    QLineEdit* mCommand;
    QPushButton* mStop;
    QLabel* mState;
};
