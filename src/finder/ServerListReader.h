#pragma once

#include "finder/ServerEndpoint.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>

// The port a master listens on when its address names none.
inline constexpr quint16 kDefaultMasterPort = 27900;

// The start of a master's reply; an HTTP list of 6-byte entries may begin with it too.
inline constexpr QByteArrayView kServersHeader("\xff\xff\xff\xffservers ");

// The entries of a server list as read, before any is judged.
struct ServerListRead {
    QList<ServerEndpoint> entries;
    // Bytes were left over after the last whole 6-byte entry.
    bool partialEntry = false;
    // Lines of a text list that name no IPv4 address and port.
    int unreadLines = 0;
};

// The request a master answers with its list: "query", a line feed and a NUL.
QByteArray MasterQuery();

// A master's reply datagram: the header, then 6-byte entries. Nothing when the
// header is missing.
std::optional<ServerListRead> ReadMasterReply(QByteArrayView datagram);

// 6-byte entries: an IPv4 address and a port, both in network byte order.
ServerListRead ReadBinaryEntries(QByteArrayView bytes);

// One "a.b.c.d:port" or "[ipv6]:port" a line (the game port when there is
// none); blank lines
// and lines starting with "#" are skipped.
ServerListRead ReadTextList(QByteArrayView text);

// An HTTP list in either form in use: 6-byte entries, with or without the
// master's header, or text lines.
ServerListRead ReadHttpList(QByteArrayView body);
