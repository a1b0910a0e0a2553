#include "support/FakeMasters.h"

#include <QHostAddress>
#include <QNetworkDatagram>
#include <QTcpSocket>
#include <QtEndian>

QByteArray MasterEntries(const QStringList& addresses) {
    QByteArray entries;
    for (const QString& address : addresses) {
        uchar entry[6];
        qToBigEndian<quint32>(QHostAddress(address.section(u':', 0, 0)).toIPv4Address(), entry);
        qToBigEndian<quint16>(address.section(u':', 1).toUShort(), entry + 4);
        entries.append(reinterpret_cast<const char*>(entry), sizeof entry);
    }
    return entries;
}

QByteArray MasterReply(const QStringList& addresses) {
    return QByteArrayLiteral("\xff\xff\xff\xffservers ") + MasterEntries(addresses);
}

FakeUdpMaster::FakeUdpMaster() {
    mSocket.bind(QHostAddress::LocalHost, 0);
    mOtherPort.bind(QHostAddress::LocalHost, 0);
    QObject::connect(&mSocket, &QUdpSocket::readyRead, [this] {
        while (mSocket.hasPendingDatagrams()) {
            const QNetworkDatagram query = mSocket.receiveDatagram();
            if (query.data() != QByteArrayLiteral("query\n\0"))
                continue;
            ++mQueries;
            for (const QByteArray& datagram : std::as_const(mReply))
                (mFromOtherPort ? mOtherPort : mSocket)
                    .writeDatagram(datagram, query.senderAddress(), query.senderPort());
        }
    });
}

void FakeUdpMaster::SetReply(const QList<QByteArray>& datagrams, bool fromOtherPort) {
    mReply = datagrams;
    mFromOtherPort = fromOtherPort;
}

QString FakeUdpMaster::Address() const {
    return QStringLiteral("127.0.0.1:%1").arg(mSocket.localPort());
}

FakeHttpServer::FakeHttpServer() {
    mServer.listen(QHostAddress::LocalHost);
    QObject::connect(&mServer, &QTcpServer::newConnection, [this] {
        QTcpSocket* client = mServer.nextPendingConnection();
        QObject::connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
        QObject::connect(client, &QTcpSocket::readyRead, client, [this, client] {
            if (!client->canReadLine())
                return;
            // "GET <path> HTTP/1.1"; the rest of the request does not matter.
            const QString path = QString::fromLatin1(client->readLine().split(' ').value(1));
            client->write(mResponses.value(path, HttpResponse("404 Not Found", {})));
            client->disconnectFromHost();
            QObject::disconnect(client, &QTcpSocket::readyRead, client, nullptr);
        });
    });
}

void FakeHttpServer::Serve(const QString& path, const QByteArray& response) {
    mResponses.insert(path, response);
}

QString FakeHttpServer::Url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(mServer.serverPort()).arg(path);
}

QByteArray HttpResponse(const QByteArray& status, const QByteArray& body,
                        const QByteArray& headers) {
    return "HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n" + headers + "\r\n" + body;
}
