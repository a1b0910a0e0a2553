#include "finder/LanSource.h"

#include "status/StatusReply.h"

#include <algorithm>

namespace {

constexpr QByteArrayView kStatusReplyHeader("\xff\xff\xff\xffprint\n");

} // namespace

QList<UdpTarget> LanTargets(const QList<InterfaceAddresses>& interfaces,
                            QAbstractSocket::NetworkLayerProtocol protocol) {
    QList<UdpTarget> targets;
    for (const InterfaceAddresses& interface : interfaces) {
        if (!interface.flags.testFlag(QNetworkInterface::IsUp))
            continue;
        if (protocol == QAbstractSocket::IPv6Protocol) {
            const bool hasIPv6 =
                std::any_of(interface.entries.begin(), interface.entries.end(),
                            [](const QNetworkAddressEntry& entry) {
                                return entry.ip().protocol() == QAbstractSocket::IPv6Protocol;
                            });
            if (!hasIPv6 || interface.flags.testFlag(QNetworkInterface::IsLoopBack))
                continue;
            QHostAddress group{QLatin1String(kLanGroup)};
            group.setScopeId(interface.name);
            targets.append({group, QHostAddress(QStringLiteral("fe80::")), 10, kFirstLanPort});
            continue;
        }
        for (const QNetworkAddressEntry& entry : interface.entries) {
            const bool known =
                std::any_of(targets.begin(), targets.end(), [&](const UdpTarget& target) {
                    return target.sendTo == entry.broadcast();
                });
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol &&
                !entry.broadcast().isNull() && !known)
                targets.append({entry.broadcast(), entry.ip(), entry.prefixLength()});
        }
    }
    return targets;
}

QList<UdpTarget> LanTargets(QAbstractSocket::NetworkLayerProtocol protocol) {
    QList<InterfaceAddresses> interfaces;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces())
        interfaces.append({interface.flags(), interface.addressEntries(), interface.name()});
    return LanTargets(interfaces, protocol);
}

LanSource* LanSource::LocalNetworks(QAbstractSocket::NetworkLayerProtocol protocol,
                                    std::chrono::milliseconds timeout, QObject* parent) {
    return new LanSource(QString(), protocol, timeout, parent);
}

LanSource* LanSource::Host(const QString& host, std::chrono::milliseconds timeout,
                           QObject* parent) {
    return new LanSource(host, QAbstractSocket::UnknownNetworkLayerProtocol, timeout, parent);
}

LanSource::LanSource(const QString& host, QAbstractSocket::NetworkLayerProtocol protocol,
                     std::chrono::milliseconds timeout, QObject* parent)
    : UdpSource(StatusRequest(), kFirstLanPort, kLanPortCount, timeout, parent), mHost(host),
      mProtocol(protocol) {}

QString LanSource::Name() const {
    if (!mHost.isEmpty())
        return mHost;
    return mProtocol == QAbstractSocket::IPv6Protocol ? tr("local network (IPv6)")
                                                      : tr("local network");
}

void LanSource::Start() {
    if (!mHost.isEmpty()) {
        AskHost(mHost);
        return;
    }
    const QList<UdpTarget> targets = LanTargets(mProtocol);
    if (targets.isEmpty())
        FailLater(tr("no local network"));
    else
        AskTargets(targets);
}

// The game server is asked again by the status query, which judges the rest.
bool LanSource::Read(QByteArrayView datagram, const ServerEndpoint& sender) {
    if (!datagram.startsWith(kStatusReplyHeader))
        return false;
    ServerListRead read;
    read.entries.append(sender);
    Keep(read);
    return true;
}
