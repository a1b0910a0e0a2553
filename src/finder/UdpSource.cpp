#include "finder/UdpSource.h"

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
    const QHostAddress address(host);
    if (address.protocol() == QAbstractSocket::IPv4Protocol)
        AskTargets({{address, address, 32}});
    else if (host.isEmpty())
        FailLater(tr("no address"));
    else
        QHostInfo::lookupHost(host, this, &UdpSource::Resolved);
}

void UdpSource::Resolved(const QHostInfo& host) {
    for (const QHostAddress& address : host.addresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol) {
            AskTargets({{address, address, 32}});
            return;
        }
    }
    Finish({SourceState::Failed, 0, tr("unknown host")});
}

void UdpSource::AskTargets(const QList<UdpTarget>& targets) {
    mTargets = targets;
    mFilter.emplace(std::any_of(targets.begin(), targets.end(), [](const UdpTarget& target) {
        return target.sendTo.isLoopback();
    }));
    if (!mSocket.bind(QHostAddress::AnyIPv4, 0) || !SendRequests()) {
        FailLater(mSocket.errorString());
        return;
    }
    mTimer.start(mTimeout / 2);
}

// True when at least one request went out.
bool UdpSource::SendRequests() {
    bool sent = false;
    for (const UdpTarget& target : std::as_const(mTargets))
        for (int port = mFirstPort; port < mFirstPort + mPortCount; ++port)
            sent |= mSocket.writeDatagram(mRequest, target.sendTo, static_cast<quint16>(port)) >= 0;
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
        if (size < 0 || !Accepts(sender, port))
            continue;
        if (Read(QByteArrayView(mBuffer.data(), size), {sender, port}))
            ++mReplies;
        else
            ++mOtherDatagrams;
    } while (++read < kReadBurst && mSocket.hasPendingDatagrams());
}

bool UdpSource::Accepts(const QHostAddress& sender, quint16 port) const {
    return port >= mFirstPort && port < mFirstPort + mPortCount &&
           std::any_of(mTargets.begin(), mTargets.end(), [&](const UdpTarget& target) {
               return sender.isInSubnet(target.network, target.prefixLength);
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
        return {SourceState::BadReply, 0, tr("bad reply")};
    return {SourceState::NoAnswer, 0, tr("no answer")};
}
