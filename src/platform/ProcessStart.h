#pragma once

#include "common/Result.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

// How a started process ended, filled in when it ends by the thread that
// waits for it; its starter can look at any time while the process runs on.
class ProcessExit {
public:
    enum class State { Running, Exited, Crashed };

    State Now() const { return mState.load(); }
    // The exit status once Exited, the signal's number once Crashed.
    int Code() const { return mCode.load(); }
    void Set(State state, int code) {
        mCode.store(code);
        mState.store(state);
    }

private:
    std::atomic<State> mState{State::Running};
    std::atomic<int> mCode{0};
};

// Starts program with arguments as a new process without waiting for it. No
// shell is involved: each argument reaches the program exactly as given. A
// program name without a directory part is looked up on PATH like any
// command; a path is taken as it stands. A non-empty workingDirectory becomes
// the process's working directory; the launcher's own stays as it is. On
// failure the reason, in the system's words. A starter that wants to hear how
// the process ended passes an exit record (Windows leaves it at Running).
Result<> StartProcess(const QString& program, const QStringList& arguments,
                      const QString& workingDirectory = QString(),
                      std::shared_ptr<ProcessExit> exit = nullptr);

// A process whose standard input and output its owner handles (a dedicated
// server shown in a console). It starts as StartProcess starts a program:
// the same lookup, working directory and reasons, in a session of its own.
// Unlike a plain QProcess, it can let the process run on without it.
class PipedProcess : public QProcess {
public:
    explicit PipedProcess(QObject* parent = nullptr);

    // Starts program with arguments and waits until it runs; on failure the
    // reason, in the system's words.
    Result<> Start(const QString& program, const QStringList& arguments,
                   const QString& workingDirectory);
    // Gives the process up: destroying this object, or the launcher's end,
    // no longer ends it. Its input ends and its output goes nowhere once
    // this object is gone.
    void Release();
};

// The command as a user reads it: the program and its arguments separated by
// blanks, each one that holds a blank or a quote (or is empty) put in double
// quotes, a quote inside written as \".
QString CommandLineText(const QString& program, const QStringList& arguments);
