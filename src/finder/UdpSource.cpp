#include "finder/UdpSource.h"

#include "status/StatusFormat.h"

#include <QHostInfo>

#include <algorithm>

namespace {

// Datagrams read in one go before other events get their turn, so that a
// flood cannot hold up the timers or the window.
constexpr int kReadBurst = 16;

// The largest UDP payload.
constexpr qsizetype kMaxDatagramBytes = 65536;

} // namespace

UdpSource::UdpSource(QByteArray request, quint16 firstPort, int portCount,
                     std::chrono::milliseconds timeout, QObject* parent)
    : FinderSource(parent), mRequest(std::move(request)), mFirstPort(firstPort),
      mPortCount(portCount), mTimeout(timeout), mBuffer(kMaxDatagramBytes, Qt::Uninitialized) {
    mTimer.setSingleShot(true);
    mTimer.callOnTimeout(this, &UdpSource::TimerFired);
    connect(&mSocket, &QUdpSocket::readyRead, this, &UdpSource::ReadDatagrams);
}

void UdpSource::AskHost(const QString& host) {
    // An IPv6 address may come in brackets, as in a server address.
    const QHostAddress address(
        host.startsWith(u'[') && host.endsWith(u']') ? host.mid(1, host.size() - 2) : host);
    if (!address.isNull())
        AskTargets(
            {{address, address, address.protocol() == QAbstractSocket::IPv6Protocol ? 128 : 32}});
    else if (host.isEmpty())
        FailLater(tr("no address"));
    else
        QHostInfo::lookupHost(host, this, &UdpSource::Resolved);
}

void UdpSource::Resolved(const QHostInfo& host) {
    const QList<QHostAddress> addresses = host.addresses();
    // IPv4 first, as the status query does.
    const auto chosen =
        std::find_if(addresses.begin(), addresses.end(), [](const QHostAddress& address) {
            return address.protocol() == QAbstractSocket::IPv4Protocol;
        });
    if (chosen != addresses.end())
        AskTargets({{*chosen, *chosen, 32}});
    else if (!addresses.isEmpty())
        AskTargets({{addresses.constFirst(), addresses.constFirst(), 128}});
    else
        Finish({SourceState::Failed, 0, tr("unknown host")});
}

void UdpSource::AskTargets(const QList<UdpTarget>& targets) {
    mTargets = targets;
    mFilter.emplace(std::any_of(targets.begin(), targets.end(), [](const UdpTarget& target) {
        return target.sendTo.isLoopback();
    }));
    // An IPv4 socket for IPv4 targets: a broadcast from a socket of both
    // protocols is not sure to go out.
    const bool ipv4 = std::all_of(targets.begin(), targets.end(), [](const UdpTarget& target) {
        return target.sendTo.protocol() == QAbstractSocket::IPv4Protocol;
    });
    const bool bound = mSocket.bind(ipv4 ? QHostAddress::AnyIPv4 : QHostAddress::AnyIPv6, 0);
    if (!bound || !SendRequests()) {
        FailLater(mSocket.errorString());
        return;
    }
    mTimer.start(mTimeout / 2);
}

// True when at least one request went out.
bool UdpSource::SendRequests() {
    bool sent = false;
    for (const UdpTarget& target : std::as_const(mTargets)) {
        const int first = target.port ? target.port : mFirstPort;
        const int end = target.port ? target.port + 1 : mFirstPort + mPortCount;
        for (int port = first; port < end; ++port)
            sent |= mSocket.writeDatagram(mRequest, target.sendTo, static_cast<quint16>(port)) >= 0;
    }
    return sent;
}

void UdpSource::TimerFired() {
    if (!mHalfPassed) {
        mHalfPassed = true;
        if (mReplies == 0)
            SendRequests();
        mTimer.start(mTimeout - mTimeout / 2);
        return;
    }
    mSocket.close();
    Finish(Outcome());
}

// Reading happens here alone and always at least once: the socket announces
// datagrams still waiting only after something was read since its last
// readyRead().
void UdpSource::ReadDatagrams() {
    int read = 0;
    do {
        QHostAddress sender;
        quint16 port = 0;
        const qint64 size = mSocket.readDatagram(mBuffer.data(), mBuffer.size(), &sender, &port);
        // A dual-stack socket reports an IPv4 sender as ::ffff:a.b.c.d.
        bool isIPv4 = false;
        if (const quint32 ipv4 = sender.toIPv4Address(&isIPv4); isIPv4)
            sender.setAddress(ipv4);
        if (size < 0 || !Accepts(sender, port))
            continue;
        if (Read(QByteArrayView(mBuffer.data(), size), {sender, port}))
            ++mReplies;
        else
            ++mOtherDatagrams;
    } while (++read < kReadBurst && mSocket.hasPendingDatagrams());
}

bool UdpSource::Accepts(const QHostAddress& sender, quint16 port) const {
    return std::any_of(mTargets.begin(), mTargets.end(), [&](const UdpTarget& target) {
        const bool portAsked = target.port ? port == target.port
                                           : port >= mFirstPort && port < mFirstPort + mPortCount;
        return portAsked && sender.isInSubnet(target.network, target.prefixLength);
    });
}

void UdpSource::Keep(const ServerListRead& read) {
    const QList<ServerEndpoint> kept = mFilter->Take(read);
    if (!kept.isEmpty())
        Q_EMIT ServersFound(kept);
}

SourceResult UdpSource::Outcome() const {
    if (mReplies > 0)
        return mFilter->Answered();
    if (mOtherDatagrams > 0)
        return {SourceState::BadReply, 0, OutcomeText(StatusOutcome::BadReply)};
    return {SourceState::NoAnswer, 0, OutcomeText(StatusOutcome::NoAnswer)};
}
