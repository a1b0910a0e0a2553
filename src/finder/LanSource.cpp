#include "finder/LanSource.h"

#include "status/StatusReply.h"

#include <algorithm>

namespace {

constexpr QByteArrayView kStatusReplyHeader("\xff\xff\xff\xffprint\n");

} // namespace

QList<UdpTarget> BroadcastTargets(const QList<InterfaceAddresses>& interfaces) {
    QList<UdpTarget> targets;
    for (const InterfaceAddresses& interface : interfaces) {
        if (!interface.flags.testFlag(QNetworkInterface::IsUp))
            continue;
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
    for (const InterfaceAddresses& interface : interfaces) {
        const bool hasIPv6 = std::any_of(
            interface.entries.begin(), interface.entries.end(), [](const QNetworkAddressEntry& e) {
                return e.ip().protocol() == QAbstractSocket::IPv6Protocol;
            });
        if (!interface.flags.testFlag(QNetworkInterface::IsUp) ||
            interface.flags.testFlag(QNetworkInterface::IsLoopBack) || !hasIPv6)
            continue;
        QHostAddress group{QLatin1String(kLanGroup)};
        group.setScopeId(interface.name);
        targets.append({group, QHostAddress(QStringLiteral("fe80::")), 10, kFirstLanPort});
    }
    return targets;
}

QList<UdpTarget> BroadcastTargets() {
    QList<InterfaceAddresses> interfaces;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces())
        interfaces.append({interface.flags(), interface.addressEntries(), interface.name()});
    return BroadcastTargets(interfaces);
}

LanSource* LanSource::LocalNetworks(std::chrono::milliseconds timeout, QObject* parent) {
    return new LanSource(QString(), timeout, parent);
}

LanSource* LanSource::Host(const QString& host, std::chrono::milliseconds timeout,
                           QObject* parent) {
    return new LanSource(host, timeout, parent);
}

LanSource::LanSource(const QString& host, std::chrono::milliseconds timeout, QObject* parent)
    : UdpSource(StatusRequest(), kFirstLanPort, kLanPortCount, timeout, parent), mHost(host) {}

QString LanSource::Name() const {
    return mHost.isEmpty() ? tr("local network") : mHost;
}

void LanSource::Start() {
    if (!mHost.isEmpty()) {
        AskHost(mHost);
        return;
    }
    const QList<UdpTarget> targets = BroadcastTargets();
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
