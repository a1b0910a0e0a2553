#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QTcpServer>
#include <QUdpSocket>

// 6-byte master entries for "a.b.c.d:port" addresses.
QByteArray MasterEntries(const QStringList& addresses);
// A master's reply datagram listing `addresses`.
QByteArray MasterReply(const QStringList& addresses);

// A master on 127.0.0.1 that answers each "query\n\0" datagram with the
// datagrams set, from its own port or from another one. It lives in the
// thread that makes it, which must run its event loop.
class FakeUdpMaster {
public:
    FakeUdpMaster();

    void SetReply(const QList<QByteArray>& datagrams, bool fromOtherPort = false);
    QString Address() const;
    int Queries() const { return mQueries; }

private:
    QUdpSocket mSocket;
    QUdpSocket mOtherPort;
    QList<QByteArray> mReply;
    bool mFromOtherPort = false;
    int mQueries = 0;
};

// An HTTP server on 127.0.0.1 that answers each GET with the response set
// for its path (status line, headers, body), then closes the connection.
class FakeHttpServer {
public:
    FakeHttpServer();

    void Serve(const QString& path, const QByteArray& response);
    QString Url(const QString& path) const;

private:
    QTcpServer mServer;
    QHash<QString, QByteArray> mResponses;
};

// "HTTP/1.1 <status>" with the headers and the body.
QByteArray HttpResponse(const QByteArray& status, const QByteArray& body,
                        const QByteArray& headers = {});
