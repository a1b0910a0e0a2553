#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>

// The port a game server listens on when its address names none.
inline constexpr quint16 kDefaultGamePort = 27910;

// A player line of a status reply.
struct PlayerStatus {
    QString name;
    int frags = 0;
    int ping = 0;
};

// How a server responded to a status request.
enum class StatusOutcome {
    Answered,
    NoAnswer,
    // A reply came from the server but broke the protocol; what could be read is kept.
    BadReply,
};

// What a status request found out about one server.
struct ServerStatus {
    Q_DECLARE_TR_FUNCTIONS(ServerStatus)

public:
    // The address as asked, "host" or "host:port".
    QString address;
    StatusOutcome outcome = StatusOutcome::NoAnswer;
    // Why no request could be sent ("invalid port", "unknown host"); empty otherwise.
    QString problem;
    // Milliseconds from the first request to the reply (after a resend too,
    // so it is never shorter than the real wait); -1 without a reply.
    int pingMs = -1;
    QMap<QString, QString> info;
    QList<PlayerStatus> players;
    // When the reply arrived; invalid without a reply.
    QDateTime answeredAt;

    QString HostName() const { return info.value(QStringLiteral("hostname")); }
    QString MapName() const { return info.value(QStringLiteral("mapname")); }
    QString MaxPlayers() const { return info.value(QStringLiteral("maxclients")); }
};
