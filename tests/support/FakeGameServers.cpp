#include "support/FakeGameServers.h"

#include <QNetworkDatagram>
#include <QUdpSocket>

FakeGameServers::FakeGameServers() : mHost(new QObject) {
    mHost->moveToThread(&mThread);
    mThread.start();
}

FakeGameServers::~FakeGameServers() {
    QMetaObject::invokeMethod(
        mHost, [this] { delete mHost; }, Qt::BlockingQueuedConnection);
    mThread.quit();
    mThread.wait();
}

quint16 FakeGameServers::Add(const QByteArray& reply, bool fromOtherPort) {
    auto requests = std::make_unique<std::atomic<int>>(0);
    std::atomic<int>* count = requests.get();
    quint16 port = 0;
    QMetaObject::invokeMethod(
        mHost,
        [&] {
            auto* socket = new QUdpSocket(mHost);
            socket->bind(QHostAddress::LocalHost, 0);
            port = socket->localPort();
            QUdpSocket* sender = socket;
            if (fromOtherPort) {
                sender = new QUdpSocket(mHost);
                sender->bind(QHostAddress::LocalHost, 0);
            }
            QObject::connect(socket, &QUdpSocket::readyRead, socket, [=] {
                while (socket->hasPendingDatagrams()) {
                    const QNetworkDatagram request = socket->receiveDatagram();
                    if (!request.data().startsWith("\xff\xff\xff\xffstatus"))
                        continue;
                    ++*count;
                    if (!reply.isEmpty())
                        sender->writeDatagram(reply, request.senderAddress(), request.senderPort());
                }
            });
        },
        Qt::BlockingQueuedConnection);
    mRequests.emplace(port, std::move(requests));
    return port;
}

int FakeGameServers::Requests(quint16 port) const {
    return *mRequests.at(port);
}

QByteArray GameReply(const QByteArray& body) {
    return QByteArrayLiteral("\xff\xff\xff\xffprint\n") + body;
}
