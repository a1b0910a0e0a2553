#pragma once

#include <QByteArray>
#include <QThread>

#include <atomic>
#include <map>
#include <memory>

// Game servers on 127.0.0.1 that answer status requests with given bytes.
// They run in a thread of their own, so they answer while the caller waits
// on something else (a child process, a blocking read).
class FakeGameServers {
public:
    FakeGameServers();
    ~FakeGameServers();

    // Starts a server at a free port that answers every status request with
    // `reply` (never, when it is empty). With `fromOtherPort` the reply
    // comes from another port of the same address. Returns the port.
    quint16 Add(const QByteArray& reply, bool fromOtherPort = false);
    // Status requests the server at `port` has received so far.
    int Requests(quint16 port) const;

private:
    QThread mThread;
    QObject* mHost;
    std::map<quint16, std::unique_ptr<std::atomic<int>>> mRequests;
};

// A status reply as a game server sends it: the header, then `body`.
QByteArray GameReply(const QByteArray& body);
