#pragma once

#include <QHashFunctions>
#include <QHostAddress>
#include <QString>

// A game server's address and port as a source lists it.
struct ServerEndpoint {
    QHostAddress host;
    quint16 port = 0;

    // "a.b.c.d:port" or "[ipv6]:port", the form the status query and the
    // remote server list take.
    QString ToString() const {
        const QString address = host.toString();
        return (host.protocol() == QAbstractSocket::IPv6Protocol ? u'[' + address + u']'
                                                                 : address) +
               u':' + QString::number(port);
    }
    friend bool operator==(const ServerEndpoint&, const ServerEndpoint&) = default;
};

inline size_t qHash(const ServerEndpoint& endpoint, size_t seed = 0) {
    return qHashMulti(seed, endpoint.host, endpoint.port);
}
