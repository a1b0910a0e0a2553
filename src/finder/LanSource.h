#pragma once

#include "finder/UdpSource.h"

#include <QNetworkAddressEntry>
#include <QNetworkInterface>

// The ports game servers on a local network are looked for on.
inline constexpr quint16 kFirstLanPort = 27910;
inline constexpr int kLanPortCount = 10;

// The multicast group the game's IPv6 clients ask on the local network, on
// the first game port only.
inline constexpr char kLanGroup[] = "ff12::666";

// What the search of the local network needs to know of an interface.
struct InterfaceAddresses {
    QNetworkInterface::InterfaceFlags flags;
    QList<QNetworkAddressEntry> entries;
    // The interface's name, the scope of its link-local group.
    QString name;
};

// Where the local networks of one protocol are asked. IPv4: the broadcast
// address of every network on an interface that is up and has one, each
// once, with the network its replies come from. IPv6: the group on every
// interface that is up, not loopback and has an IPv6 address, answered from
// the link's own addresses.
QList<UdpTarget> LanTargets(const QList<InterfaceAddresses>& interfaces,
                            QAbstractSocket::NetworkLayerProtocol protocol);
// The same for this machine's interfaces.
QList<UdpTarget> LanTargets(QAbstractSocket::NetworkLayerProtocol protocol);

// Game servers on the local network: the status request goes to ports
// 27910-27919 of every broadcast address (or to the IPv6 group), or of one
// host, and each game server that answers from there is found.
class LanSource : public UdpSource {
    Q_OBJECT
public:
    // The local networks of IPv4 or of IPv6: one socket of that protocol
    // each, since an IPv4 broadcast needs a socket of its own.
    static LanSource* LocalNetworks(QAbstractSocket::NetworkLayerProtocol protocol,
                                    std::chrono::milliseconds timeout, QObject* parent);
    static LanSource* Host(const QString& host, std::chrono::milliseconds timeout, QObject* parent);

    QString Name() const override;
    void Start() override;

private:
    LanSource(const QString& host, QAbstractSocket::NetworkLayerProtocol protocol,
              std::chrono::milliseconds timeout, QObject* parent);
    bool Read(QByteArrayView datagram, const ServerEndpoint& sender) override;

    // Empty for the local networks.
    QString mHost;
    QAbstractSocket::NetworkLayerProtocol mProtocol;
};
