#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QThread>

#include <chrono>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

// How a stand-in game server departs from a plain answer.
enum class Quirk {
    None,
    // Its replies come from another port of the same address.
    FromOtherPort,
    // It answers from the second request on.
    IgnoresFirstRequest,
    // It sends 3,000 junk datagrams from another port before its first reply.
    FloodsFirst,
    // From the third request on, its reply lacks the last line (a player left).
    PlayerLeavesAtThird,
};

// Game servers on 127.0.0.1 (or ::1) that answer status requests with given bytes.
// They run in a thread of their own, so they answer while the caller waits
// on something else (a child process, a blocking read).
class FakeGameServers {
public:
    FakeGameServers();
    ~FakeGameServers();

    // Starts a server at a free port that answers every status request with
    // `reply` (never, when it is empty). Returns the port.
    quint16 Add(const QByteArray& reply, Quirk quirk = Quirk::None,
                const QHostAddress& address = QHostAddress(QHostAddress::LocalHost));
    // When the server at `port` received each status request so far.
    std::vector<std::chrono::steady_clock::time_point> Requests(quint16 port) const;

private:
    struct RequestLog {
        mutable std::mutex mutex;
        std::vector<std::chrono::steady_clock::time_point> times;
    };

    QThread mThread;
    QObject* mHost;
    std::map<quint16, std::unique_ptr<RequestLog>> mRequests;
};

// A status reply as a game server sends it: the header, then `body`.
QByteArray GameReply(const QByteArray& body);
