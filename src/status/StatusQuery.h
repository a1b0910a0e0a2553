#pragma once

#include "status/ServerStatus.h"

#include <QList>
#include <QObject>
#include <QQueue>
#include <QUdpSocket>

#include <chrono>

class QHostInfo;

// Asks game servers for their status over UDP, many at a time, without
// blocking: each address gets StatusReady() once, and Finished() follows
// when nothing is left to ask. Host names are resolved in the background.
// A request is sent again once when half the timeout has passed without a
// reply; a server that has not answered when the timeout ends has no answer.
// Only a datagram from the address and port asked counts as its reply.
class StatusQuery : public QObject {
    Q_OBJECT
public:
    explicit StatusQuery(QObject* parent = nullptr);
    ~StatusQuery() override;

    // Time from the start of a request to "no answer"; 1.5 s unless set.
    void SetTimeout(std::chrono::milliseconds timeout);
    // Requests sent and waiting for replies at once; the rest wait their turn.
    void SetMaxInFlight(int count);

    // Asks each address, "host" or "host:port" (27910 when there is no port).
    void Query(const QStringList& addresses);
    // Whether requests are waiting or in flight.
    bool Busy() const;

Q_SIGNALS:
    void StatusReady(const ServerStatus& status);
    void Finished();

private:
    class Request;

    void StartWaiting();
    void Start(const QString& address);
    void Resolved(Request* request, const QHostInfo& host);
    void Send(Request* request);
    void TimerFired(Request* request);
    void ReadReplies();
    void Finish(Request* request);

    QUdpSocket mSocket;
    QString mSocketProblem;
    std::chrono::milliseconds mTimeout{1500};
    int mMaxInFlight = 64;
    QQueue<QString> mWaiting;
    QList<Request*> mInFlight;
};
