#include "platform/ProcessStart.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#ifndef Q_OS_WIN
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;
#endif

// The context of the texts below.
class ProcessStart {
    Q_DECLARE_TR_FUNCTIONS(ProcessStart)
};

namespace {

Result<> Startable(const QString& program, const QString& workingDirectory) {
    if (program.isEmpty())
        return Result<>::Failure(ProcessStart::tr("No program is set."));
    // Checked first: the system gives the same reason for a missing working
    // directory as for a missing program.
    if (!workingDirectory.isEmpty() && !QFileInfo(workingDirectory).isDir())
        return Result<>::Failure(ProcessStart::tr("The working directory does not exist."));
    return {};
}

} // namespace

#ifndef Q_OS_WIN
namespace {

// Owns the spawn settings for one start.
class SpawnSettings {
public:
    SpawnSettings() {
        posix_spawn_file_actions_init(&mActions);
        posix_spawnattr_init(&mAttributes);
    }
    ~SpawnSettings() {
        posix_spawn_file_actions_destroy(&mActions);
        posix_spawnattr_destroy(&mAttributes);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;

    posix_spawn_file_actions_t mActions;
    posix_spawnattr_t mAttributes;
};

// The started program runs on its own: in a session of its own (so closing
// the launcher's terminal does not end it), with no input, default signal
// handling and nothing blocked.
int Spawn(pid_t& pid, const QByteArray& program, char* const argv[],
          const QByteArray& workingDirectory) {
    SpawnSettings settings;
    if (!workingDirectory.isEmpty()) {
        if (const int error = posix_spawn_file_actions_addchdir_np(&settings.mActions,
                                                                   workingDirectory.constData()))
            return error;
    }
    if (const int error = posix_spawn_file_actions_addopen(&settings.mActions, STDIN_FILENO,
                                                           "/dev/null", O_RDONLY, 0))
        return error;
    sigset_t none;
    sigemptyset(&none);
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    posix_spawnattr_setsigmask(&settings.mAttributes, &none);
    posix_spawnattr_setsigdefault(&settings.mAttributes, &pipe);
    posix_spawnattr_setflags(&settings.mAttributes,
                             POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSID);
    return posix_spawnp(&pid, program.constData(), &settings.mActions, &settings.mAttributes, argv,
                        environ);
}

// The launcher does not wait for a program it started, but collects its exit
// status when it ends so that no finished process lingers; and tells exit,
// when given.
void CollectWhenEnded(pid_t pid, std::shared_ptr<ProcessExit> exit = nullptr) {
    std::thread([pid, exit = std::move(exit)] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0) {
            if (errno != EINTR)
                return;
        }
        if (!exit)
            return;
        if (WIFSIGNALED(status))
            exit->Set(ProcessExit::State::Crashed, WTERMSIG(status));
        else
            exit->Set(ProcessExit::State::Exited, WEXITSTATUS(status));
    }).detach();
}

} // namespace
#endif

Result<> StartProcess(const QString& program, const QStringList& arguments,
                      const QString& workingDirectory, std::shared_ptr<ProcessExit> exit) {
    if (const Result<> startable = Startable(program, workingDirectory); !startable)
        return startable;
#ifdef Q_OS_WIN
    Q_UNUSED(exit);
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingDirectory);
    process.setStandardInputFile(QProcess::nullDevice());
    qint64 pid = 0;
    if (!process.startDetached(&pid) || pid == 0)
        return Result<>::Failure(process.errorString());
    return {};
#else
    const QByteArray programBytes = QFile::encodeName(program);
    std::vector<QByteArray> argumentBytes;
    argumentBytes.reserve(arguments.size());
    for (const QString& argument : arguments)
        argumentBytes.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    argv.reserve(argumentBytes.size() + 2);
    argv.push_back(const_cast<char*>(programBytes.constData()));
    for (QByteArray& argument : argumentBytes)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    if (const int error =
            Spawn(pid, programBytes, argv.data(), QFile::encodeName(workingDirectory)))
        return Result<>::Failure(qt_error_string(error));
    CollectWhenEnded(pid, std::move(exit));
    return {};
#endif
}

PipedProcess::PipedProcess(QObject* parent) : QProcess(parent) {
#ifndef Q_OS_WIN
    // In a session of its own, as a started game, so that the launcher's
    // terminal does not end it; and once released, writing to an output
    // that nobody reads is an error it can live with, not its end.
    setChildProcessModifier([] {
        setsid();
        signal(SIGPIPE, SIG_IGN);
    });
#endif
}

Result<> PipedProcess::Start(const QString& program, const QStringList& arguments,
                             const QString& workingDirectory) {
    if (const Result<> startable = Startable(program, workingDirectory); !startable)
        return startable;
    setProgram(program);
    setArguments(arguments);
    setWorkingDirectory(workingDirectory);
    start();
    if (!waitForStarted())
        return Result<>::Failure(errorString());
    return {};
}

void PipedProcess::Release() {
    if (state() == NotRunning)
        return;
#ifndef Q_OS_WIN
    CollectWhenEnded(static_cast<pid_t>(processId()));
#endif
    // A QProcess ends a process it holds for running when it is destroyed.
    setProcessState(NotRunning);
}

QString CommandLineText(const QString& program, const QStringList& arguments) {
    QStringList words;
    words.reserve(arguments.size() + 1);
    for (const QString& word : QStringList{program} + arguments) {
        const bool quoted =
            word.isEmpty() || word.contains(u'"') ||
            std::any_of(word.cbegin(), word.cend(), [](QChar c) { return c.isSpace(); });
        if (!quoted) {
            words << word;
            continue;
        }
        QString escaped = word;
        escaped.replace(u'"', QStringLiteral("\\\""));
        words << u'"' + escaped + u'"';
    }
    return words.join(u' ');
}
