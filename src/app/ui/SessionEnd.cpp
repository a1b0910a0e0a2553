#include "app/ui/SessionEnd.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <iterator>
#include <unistd.h>
#endif

#ifdef Q_OS_UNIX
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
struct sigaction gPrevious[std::size(kSignals)];
int gWakeRead = -1;
int gWakeWrite = -1;

// Only async-signal-safe calls here.
void WakeEventLoop(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(gWakeWrite, &byte, 1);
    errno = savedErrno;
}

bool OpenWakePipe() {
    int fds[2];
    if (::pipe(fds) != 0)
        return false;
    for (int fd : fds) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    }
    gWakeRead = fds[0];
    gWakeWrite = fds[1];
    return true;
}

} // namespace
#endif

SessionEnd::SessionEnd(QGuiApplication& application) {
    connect(&application, &QGuiApplication::commitDataRequest, this, &SessionEnd::endRequested);
#ifdef Q_OS_UNIX
    if (!OpenWakePipe())
        return;
    mNotifier = new QSocketNotifier(gWakeRead, QSocketNotifier::Read, this);
    connect(mNotifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(gWakeRead, bytes, sizeof bytes) > 0) {
        }
        Q_EMIT endRequested();
    });
    struct sigaction action = {};
    action.sa_handler = WakeEventLoop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        ::sigaction(kSignals[i], nullptr, &gPrevious[i]);
        // A signal ignored at start (nohup, a background job) stays ignored.
        if (gPrevious[i].sa_handler != SIG_IGN)
            ::sigaction(kSignals[i], &action, nullptr);
    }
#endif
}

SessionEnd::~SessionEnd() {
#ifdef Q_OS_UNIX
    if (!mNotifier)
        return;
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &gPrevious[i], nullptr);
    delete mNotifier;
    ::close(gWakeRead);
    ::close(gWakeWrite);
    gWakeRead = gWakeWrite = -1;
#endif
}
