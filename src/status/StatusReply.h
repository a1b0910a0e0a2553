#pragma once

#include "status/ServerStatus.h"

#include <QByteArray>
#include <QByteArrayView>

// The largest status reply taken whole. Game servers send theirs in one
// datagram of at most a few kilobytes; anything longer is cut here and
// reported as a bad reply.
inline constexpr qsizetype kMaxStatusReplyBytes = 4096;

// The connectionless request a game server answers with its status.
QByteArray StatusRequest();

// What a status reply holds, and whether it kept to the protocol.
struct StatusReply {
    bool wellFormed = false;
    QMap<QString, QString> info;
    QList<PlayerStatus> players;
};

// Reads a status reply datagram: the header "\xFF\xFF\xFF\xFFprint\n", the
// info line "\key\value...", then one line "<frags> <ping> \"<name>\"" per
// player. Anything that breaks these rules makes the reply not well formed;
// the parts that could be read are kept. Never reads more than
// kMaxStatusReplyBytes.
StatusReply ParseStatusReply(QByteArrayView datagram);

// Game text as shown: bytes of 128 and above are the game's coloured
// characters and show as their low 7 bits; control characters show as ".".
QString GameText(QByteArrayView bytes);
