#include "finder/ServerListReader.h"

#include "status/ServerStatus.h"

#include <QtEndian>

#include <algorithm>
#include <charconv>

namespace {

constexpr qsizetype kEntryBytes = 6;

bool IsTextByte(char byte) {
    return (byte >= 0x20 && byte < 0x7f) || byte == '\n' || byte == '\r' || byte == '\t';
}

// "a.b.c.d[:port]" or "[ipv6][:port]".
std::optional<ServerEndpoint> ReadTextEntry(QByteArrayView line) {
    const bool bracketed = line.startsWith('[');
    const qsizetype hostEnd = bracketed ? line.indexOf(']') + 1 : line.indexOf(':');
    if (bracketed && hostEnd == 0)
        return std::nullopt;
    quint16 port = kDefaultGamePort;
    if (hostEnd >= 0 && hostEnd < line.size()) {
        if (line[hostEnd] != ':')
            return std::nullopt;
        const QByteArrayView digits = line.sliced(hostEnd + 1);
        const auto [end, error] = std::from_chars(digits.begin(), digits.end(), port);
        if (error != std::errc() || end != digits.end())
            return std::nullopt;
    }
    const QByteArrayView hostText = bracketed      ? line.sliced(1, hostEnd - 2)
                                    : hostEnd >= 0 ? line.first(hostEnd)
                                                   : line;
    const QHostAddress host(QString::fromLatin1(hostText));
    const auto wanted = bracketed ? QAbstractSocket::IPv6Protocol : QAbstractSocket::IPv4Protocol;
    if (host.protocol() != wanted)
        return std::nullopt;
    return ServerEndpoint{host, port};
}

} // namespace

QByteArray MasterQuery() {
    return QByteArrayLiteral("query\n\0");
}

std::optional<ServerListRead> ReadMasterReply(QByteArrayView datagram) {
    if (!datagram.startsWith(kServersHeader))
        return std::nullopt;
    return ReadBinaryEntries(datagram.sliced(kServersHeader.size()));
}

ServerListRead ReadBinaryEntries(QByteArrayView bytes) {
    ServerListRead read;
    read.partialEntry = bytes.size() % kEntryBytes != 0;
    read.entries.reserve(bytes.size() / kEntryBytes);
    for (qsizetype at = 0; at + kEntryBytes <= bytes.size(); at += kEntryBytes) {
        const uchar* entry = reinterpret_cast<const uchar*>(bytes.data() + at);
        read.entries.append(
            {QHostAddress(qFromBigEndian<quint32>(entry)), qFromBigEndian<quint16>(entry + 4)});
    }
    return read;
}

ServerListRead ReadTextList(QByteArrayView text) {
    ServerListRead read;
    qsizetype lineStart = 0;
    while (lineStart < text.size()) {
        qsizetype lineEnd = text.indexOf('\n', lineStart);
        if (lineEnd < 0)
            lineEnd = text.size();
        const QByteArrayView line = text.sliced(lineStart, lineEnd - lineStart).trimmed();
        lineStart = lineEnd + 1;
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (const std::optional<ServerEndpoint> entry = ReadTextEntry(line))
            read.entries.append(*entry);
        else
            ++read.unreadLines;
    }
    return read;
}

ServerListRead ReadHttpList(QByteArrayView body) {
    if (body.startsWith(kServersHeader))
        return ReadBinaryEntries(body.sliced(kServersHeader.size()));
    if (std::all_of(body.begin(), body.end(), IsTextByte))
        return ReadTextList(body);
    return ReadBinaryEntries(body);
}
