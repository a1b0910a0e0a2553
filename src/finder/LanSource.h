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

// The broadcast address of every IPv4 network on an interface that is up
// and has one, each once, with the network its replies come from; then the
// IPv6 group on every interface that is up, not loopback and has an IPv6
// address, answered from the link's own addresses.
QList<UdpTarget> BroadcastTargets(const QList<InterfaceAddresses>& interfaces);
// The same for this machine's interfaces.
QList<UdpTarget> BroadcastTargets();

// Game servers on the local network: the status request goes to ports
// 27910-27919 of every broadcast address, or of one host, and each game
// server that answers from there is found.
class LanSource : public UdpSource {
    Q_OBJECT
public:
    static LanSource* LocalNetworks(std::chrono::milliseconds timeout, QObject* parent);
    static LanSource* Host(const QString& host, std::chrono::milliseconds timeout, QObject* parent);

    QString Name() const override;
    void Start() override;

private:
    LanSource(const QString& host, std::chrono::milliseconds timeout, QObject* parent);
    bool Read(QByteArrayView datagram, const ServerEndpoint& sender) override;

    // Empty for the local networks.
    QString mHost;
};
