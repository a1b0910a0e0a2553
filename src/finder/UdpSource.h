#pragma once

#include "finder/EntryFilter.h"
#include "finder/FinderSource.h"

#include <QByteArray>
#include <QTimer>
#include <QUdpSocket>

#include <chrono>
#include <optional>

class QHostInfo;

// Where a UDP source sends its request, and whose replies it takes: those
// from an address in network/prefixLength, on the port asked.
struct UdpTarget {
    QHostAddress sendTo;
    QHostAddress network;
    int prefixLength = 32;
    // The one port asked; 0 for each of the source's ports.
    quint16 port = 0;
};

// A source asked over UDP: it sends its request to each target on each of
// its ports, sends it again once when half the timeout has passed without a
// reply, takes datagrams from the targets' networks and ports until the
// timeout ends, and then finishes.
class UdpSource : public FinderSource {
    Q_OBJECT
protected:
    UdpSource(QByteArray request, quint16 firstPort, int portCount,
              std::chrono::milliseconds timeout, QObject* parent);

    // Asks `host` alone once its name is resolved (in the background).
    void AskHost(const QString& host);
    void AskTargets(const QList<UdpTarget>& targets);
    // Reads a datagram from a target; false when it is no reply.
    virtual bool Read(QByteArrayView datagram, const ServerEndpoint& sender) = 0;
    // Passes the usable, new entries of `read` on; the source is on loopback
    // when a target is.
    void Keep(const ServerListRead& read);

private:
    void Resolved(const QHostInfo& host);
    bool SendRequests();
    void TimerFired();
    void ReadDatagrams();
    bool Accepts(const QHostAddress& sender, quint16 port) const;
    SourceResult Outcome() const;

    QByteArray mRequest;
    quint16 mFirstPort;
    int mPortCount;
    std::chrono::milliseconds mTimeout;
    QList<UdpTarget> mTargets;
    std::optional<EntryFilter> mFilter;
    QUdpSocket mSocket;
    QByteArray mBuffer;
    QTimer mTimer;
    bool mHalfPassed = false;
    int mReplies = 0;
    int mOtherDatagrams = 0;
};
