#include "app/SingleInstance.h"
#include "common/Names.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTimer>

#ifdef Q_OS_LINUX
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

const QByteArray kRequest = "forward\n";
const QByteArray kAnswer = "ok\n";
constexpr int kAnswerWaitMs = 2000;
// How long a later copy waits for the lock holder to listen, and how often it
// tries meanwhile.
constexpr int kListenWaitMs = 1000;
constexpr int kConnectRetryMs = 20;

QString ServerNameFor(const QString& settingsFolder, const QString& runtimeFolder) {
    const QString path = QFileInfo(settingsFolder).canonicalFilePath();
    const QByteArray hash = QCryptographicHash::hash(
        (path.isEmpty() ? settingsFolder : path).toUtf8(), QCryptographicHash::Sha256);
    const QString name = QStringLiteral("corvale-") + QString::fromLatin1(hash.toHex().left(32));
    return runtimeFolder.isEmpty() ? name : QDir(runtimeFolder).filePath(name);
}

// Whether the process at the other end runs as this user. Where the platform
// does not tell, the socket's access rights have to do.
bool PeerIsThisUser(const QLocalSocket& socket) {
#ifdef Q_OS_LINUX
    ucred peer = {};
    socklen_t size = sizeof peer;
    return ::getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) ==
               0 &&
           peer.uid == ::geteuid();
#else
    Q_UNUSED(socket);
    return true;
#endif
}

} // namespace

SingleInstance::SingleInstance(const QString& settingsFolder, const QString& runtimeFolder)
    : mLock(QDir(settingsFolder).filePath(kProgramName + QLatin1String(".instance.lock"))) {
    const bool folderMade = QDir().mkpath(settingsFolder);
    // Named once the folder exists, so that the copy that creates it and
    // the later ones derive the name from the same real path.
    mServerName = ServerNameFor(settingsFolder, runtimeFolder);
    // Held for the whole run, so only a dead holder makes the lock stale.
    mLock.setStaleLockTime(0);
    if (mLock.tryLock(0)) {
        Listen();
        return;
    }
    mFirst = false;
    if (mLock.error() == QLockFile::LockFailedError)
        return;
    // Without the lock a second copy could overwrite this one's files.
    const QString reason = !folderMade ? tr("the folder cannot be created")
                           : mLock.error() == QLockFile::PermissionError
                               ? tr("the folder cannot be written")
                               : tr("the lock file cannot be written");
    mUsable = Result<>::Failure(
        tr("Corvale cannot start: the settings folder %1 cannot hold its lock file (%2).")
            .arg(QDir::toNativeSeparators(settingsFolder), reason));
}

QString SingleInstance::AlreadyRunning() {
    return tr("Corvale is already running");
}

void SingleInstance::Listen() {
    mServer.setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left behind by a copy that died would stop the listening.
    QLocalServer::removeServer(mServerName);
    if (!mServer.listen(mServerName))
        return;
    connect(&mServer, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = mServer.nextPendingConnection()) {
            if (!PeerIsThisUser(*socket)) {
                socket->abort();
                socket->deleteLater();
                continue;
            }
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Answer(socket); });
        }
    });
}

void SingleInstance::Answer(QLocalSocket* socket) {
    if (!socket->canReadLine())
        return;
    if (socket->readLine() == kRequest) {
        Q_EMIT forwardRequested();
        socket->write(kAnswer);
    }
    socket->disconnectFromServer();
}

// The lock holder may have taken the lock a moment ago and not listen yet.
bool SingleInstance::ConnectToRunningCopy(QLocalSocket& socket) const {
    const QDeadlineTimer deadline(kListenWaitMs);
    for (;;) {
        socket.connectToServer(mServerName);
        if (socket.waitForConnected(kAnswerWaitMs))
            return true;
        if (deadline.hasExpired())
            return false;
        // The pause runs the event loop: the lock holder may be this very
        // process (a test).
        QEventLoop pause;
        QTimer::singleShot(kConnectRetryMs, &pause, &QEventLoop::quit);
        pause.exec();
    }
}

bool SingleInstance::BringRunningCopyForward() {
    QLocalSocket socket;
    // A socket of another user is never told anything nor believed.
    if (!ConnectToRunningCopy(socket) || !PeerIsThisUser(socket))
        return false;
    QEventLoop loop;
    bool answered = false;
    connect(&socket, &QLocalSocket::readyRead, &loop, [&] {
        if (!socket.canReadLine())
            return;
        answered = socket.readLine() == kAnswer;
        loop.quit();
    });
    connect(&socket, &QLocalSocket::disconnected, &loop, &QEventLoop::quit);
    connect(&socket, &QLocalSocket::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(kAnswerWaitMs, &loop, &QEventLoop::quit);
    socket.write(kRequest);
    // The running copy may be this very process (a test); its answer needs
    // the event loop.
    loop.exec();
    return answered || (socket.canReadLine() && socket.readLine() == kAnswer);
}
