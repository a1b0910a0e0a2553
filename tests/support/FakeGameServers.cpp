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

quint16 FakeGameServers::Add(const QByteArray& reply, Quirk quirk, const QHostAddress& address) {
    auto requests = std::make_unique<RequestLog>();
    quint16 port = 0;
    QMetaObject::invokeMethod(
        mHost,
        [&] {
            auto* socket = new QUdpSocket(mHost);
            socket->bind(address, 0);
            port = socket->localPort();
            auto* other = new QUdpSocket(mHost);
            other->bind(address, 0);
            QObject::connect(socket, &QUdpSocket::readyRead, socket, [=, log = requests.get()] {
                while (socket->hasPendingDatagrams()) {
                    const QNetworkDatagram request = socket->receiveDatagram();
                    if (!request.data().startsWith("\xff\xff\xff\xffstatus"))
                        continue;
                    const std::lock_guard lock(log->mutex);
                    log->times.push_back(std::chrono::steady_clock::now());
                    const bool first = log->times.size() == 1;
                    const auto send = [&](QUdpSocket* from, const QByteArray& bytes) {
                        from->writeDatagram(bytes, request.senderAddress(), request.senderPort());
                    };
                    if (first && quirk == Quirk::FloodsFirst)
                        for (int junk = 0; junk < 3000; ++junk)
                            send(other, GameReply("\\hostname\\Junk\n"));
                    const bool left = quirk == Quirk::PlayerLeavesAtThird && log->times.size() >= 3;
                    const QByteArray bytes =
                        left ? reply.left(reply.lastIndexOf('\n', reply.size() - 2) + 1) : reply;
                    if (!reply.isEmpty() && !(first && quirk == Quirk::IgnoresFirstRequest))
                        send(quirk == Quirk::FromOtherPort ? other : socket, bytes);
                }
            });
        },
        Qt::BlockingQueuedConnection);
    mRequests.emplace(port, std::move(requests));
    return port;
}

std::vector<std::chrono::steady_clock::time_point> FakeGameServers::Requests(quint16 port) const {
    const RequestLog& log = *mRequests.at(port);
    const std::lock_guard lock(log.mutex);
    return log.times;
}

QByteArray GameReply(const QByteArray& body) {
    return QByteArrayLiteral("\xff\xff\xff\xffprint\n") + body;
}
