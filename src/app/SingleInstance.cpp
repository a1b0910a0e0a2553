#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTimer>

namespace {

const QByteArray kRequest = "forward\n";
const QByteArray kAnswer = "ok\n";
constexpr int kAnswerWaitMs = 2000;

QString SocketName(const QString& folder) {
    const QString path = QFileInfo(folder).canonicalFilePath();
    const QByteArray hash = QCryptographicHash::hash((path.isEmpty() ? folder : path).toUtf8(),
                                                     QCryptographicHash::Sha256);
    return QStringLiteral("corvale-") + QString::fromLatin1(hash.toHex().left(32));
}

} // namespace

SingleInstance::SingleInstance(const QString& settingsFolder)
    : mLock(QDir(settingsFolder).filePath(QStringLiteral("Corvale.instance.lock"))) {
    QDir().mkpath(settingsFolder);
    mSocketName = SocketName(settingsFolder);
    // Held for the whole run, so only a dead holder makes the lock stale.
    mLock.setStaleLockTime(0);
    if (mLock.tryLock(0))
        mFirst = true;
    else if (mLock.error() == QLockFile::LockFailedError)
        mFirst = false;
    else
        // A folder that cannot hold the lock: the socket still tells.
        mFirst = !SomeoneListens();
    if (mFirst)
        Listen();
}

bool SingleInstance::SomeoneListens() const {
    QLocalSocket socket;
    socket.connectToServer(mSocketName);
    return socket.waitForConnected(kAnswerWaitMs);
}

void SingleInstance::Listen() {
    mServer.setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left behind by a copy that died would stop the listening.
    QLocalServer::removeServer(mSocketName);
    if (!mServer.listen(mSocketName))
        return;
    connect(&mServer, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = mServer.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine())
                    return;
                if (socket->readLine() == kRequest) {
                    Q_EMIT forwardRequested();
                    socket->write(kAnswer);
                }
                socket->disconnectFromServer();
            });
        }
    });
}

bool SingleInstance::BringRunningCopyForward() {
    QLocalSocket socket;
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
    socket.connectToServer(mSocketName);
    if (!socket.waitForConnected(kAnswerWaitMs))
        return false;
    socket.write(kRequest);
    // The running copy may be this very process (a test); its answer needs
    // the event loop.
    loop.exec();
    return answered || (socket.canReadLine() && socket.readLine() == kAnswer);
}
