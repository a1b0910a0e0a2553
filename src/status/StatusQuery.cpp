#include "status/StatusQuery.h"

#include "client/ServerAddr.h"
#include "status/StatusReply.h"

#include <QElapsedTimer>
#include <QHostInfo>
#include <QTimer>

#include <algorithm>

namespace {

// Datagrams read in one go before other events get their turn, so that a
// flood of datagrams cannot hold up the timers or the window.
constexpr int kReadBurst = 64;

// Room in the kernel for replies that arrive while the event loop is busy:
// hundreds of servers answering at once would overflow the usual default of
// about 200 KB. The system may grant less.
constexpr int kReceiveBufferBytes = 2 * 1024 * 1024;

} // namespace

// One address being asked. Also the context of its host lookup, so that a
// lookup that ends after the request is gone reaches nobody.
class StatusQuery::Request : public QObject {
public:
    using QObject::QObject;

    ServerStatus status;
    QHostAddress host;
    quint16 port = 0;
    bool sent = false;
    bool retried = false;
    bool done = false;
    QElapsedTimer sinceStart;
    // Runs from the first request, so that a reply to the first request that
    // arrives after the resend does not show a shorter ping than it took.
    QElapsedTimer sinceFirstSend;
    QTimer timer;
};

StatusQuery::StatusQuery(QObject* parent) : QObject(parent) {
    // Both protocols where the system has IPv6, IPv4 alone elsewhere.
    if (!mSocket.bind(QHostAddress::Any, 0) && !mSocket.bind(QHostAddress::AnyIPv4, 0))
        mSocketProblem = mSocket.errorString();
    else
        mSocket.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption,
                                kReceiveBufferBytes);
    connect(&mSocket, &QUdpSocket::readyRead, this, &StatusQuery::ReadReplies);
}

StatusQuery::~StatusQuery() = default;

void StatusQuery::SetTimeout(std::chrono::milliseconds timeout) {
    mTimeout = timeout;
}

void StatusQuery::SetMaxInFlight(int count) {
    mMaxInFlight = std::max(1, count);
}

void StatusQuery::Query(const QStringList& addresses) {
    mWaiting.append(addresses);
    StartWaiting();
}

bool StatusQuery::Busy() const {
    return !mWaiting.isEmpty() || !mInFlight.isEmpty();
}

void StatusQuery::StartWaiting() {
    while (!mWaiting.isEmpty() && mInFlight.size() < mMaxInFlight)
        Start(mWaiting.dequeue());
}

void StatusQuery::Start(const QString& address) {
    auto* request = new Request(this);
    mInFlight.append(request);
    request->status.address = address;
    request->sinceStart.start();
    request->timer.setSingleShot(true);
    // Precise rather than coarse (which may fire 5 % early): the resend comes
    // at half the timeout, and a request ends when its time is up.
    request->timer.setTimerType(Qt::PreciseTimer);
    request->timer.callOnTimeout(this, [this, request] { TimerFired(request); });

    const ServerAddr parts{address};
    bool portValid = true;
    request->port = parts.Port().isEmpty() ? kDefaultGamePort : parts.Port().toUShort(&portValid);
    if (!mSocketProblem.isEmpty())
        request->status.problem = mSocketProblem;
    else if (parts.Addr().isEmpty())
        request->status.problem = tr("no address");
    else if (!portValid || request->port == 0)
        request->status.problem = tr("invalid port");
    if (!request->status.problem.isEmpty()) {
        // Reported from the event loop like every other outcome, so that
        // Finished() always follows the return from Query().
        request->timer.start(0);
        return;
    }
    request->timer.start(mTimeout / 2);
    if (request->host.setAddress(parts.Addr()))
        Send(request);
    else
        QHostInfo::lookupHost(parts.Addr(), request,
                              [this, request](const QHostInfo& host) { Resolved(request, host); });
}

void StatusQuery::Resolved(Request* request, const QHostInfo& host) {
    if (request->done)
        return;
    // IPv4 first: most game servers listen on it alone.
    QList<QHostAddress> addresses = host.addresses();
    std::stable_partition(addresses.begin(), addresses.end(), [](const QHostAddress& address) {
        return address.protocol() == QAbstractSocket::IPv4Protocol;
    });
    if (addresses.isEmpty()) {
        request->status.problem = tr("unknown host");
        Finish(request);
        return;
    }
    request->host = addresses.constFirst();
    Send(request);
}

void StatusQuery::Send(Request* request) {
    if (!request->sinceFirstSend.isValid())
        request->sinceFirstSend.start();
    if (mSocket.writeDatagram(StatusRequest(), request->host, request->port) < 0) {
        // Reported from the event loop, never from within Query().
        request->status.problem = mSocket.errorString();
        request->timer.start(0);
        return;
    }
    request->sent = true;
}

void StatusQuery::TimerFired(Request* request) {
    if (request->done)
        return;
    const auto left = mTimeout - std::chrono::milliseconds(request->sinceStart.elapsed());
    if (!request->status.problem.isEmpty() || left.count() <= 0) {
        Finish(request);
        return;
    }
    if (request->sent && !request->retried) {
        request->retried = true;
        Send(request);
    }
    if (request->status.problem.isEmpty())
        request->timer.start(left);
}

// Reads at most kReadBurst datagrams, then lets other events have their
// turn; the socket announces those still waiting on the next turn, but only
// once something has been read since its last readyRead(). So reading happens
// here alone, and always at least once: a read elsewhere could empty the
// socket just before a readyRead() already on its way, which would then read
// nothing and leave the socket silent for good.
void StatusQuery::ReadReplies() {
    QByteArray datagram(kMaxStatusReplyBytes + 1, Qt::Uninitialized);
    int read = 0;
    do {
        QHostAddress sender;
        quint16 senderPort = 0;
        // A longer datagram is cut to the buffer; the parser sees it is too long.
        const qint64 size =
            mSocket.readDatagram(datagram.data(), datagram.size(), &sender, &senderPort);
        if (size < 0)
            continue;
        const StatusReply reply = ParseStatusReply(QByteArrayView(datagram.data(), size));
        const QList<Request*> inFlight = mInFlight;
        for (Request* request : inFlight) {
            if (request->done || !request->sent || request->port != senderPort ||
                !request->host.isEqual(sender, QHostAddress::TolerantConversion))
                continue;
            request->status.outcome =
                reply.wellFormed ? StatusOutcome::Answered : StatusOutcome::BadReply;
            request->status.pingMs = static_cast<int>(request->sinceFirstSend.elapsed());
            request->status.info = reply.info;
            request->status.players = reply.players;
            request->status.answeredAt = QDateTime::currentDateTime();
            Finish(request);
        }
    } while (++read < kReadBurst && mSocket.hasPendingDatagrams());
}

void StatusQuery::Finish(Request* request) {
    request->done = true;
    request->timer.stop();
    mInFlight.removeOne(request);
    request->deleteLater();
    Q_EMIT StatusReady(request->status);
    StartWaiting();
    if (!Busy())
        Q_EMIT Finished();
}
