#include "status/StatusReply.h"

#include <charconv>

namespace {

constexpr QByteArrayView kReplyHeader("\xff\xff\xff\xffprint\n");

// One number followed by at least one blank; advances `at` past both.
bool ReadNumberAndBlanks(QByteArrayView line, qsizetype& at, int& number) {
    const char* begin = line.data() + at;
    const char* end = line.data() + line.size();
    const auto [next, error] = std::from_chars(begin, end, number);
    if (error != std::errc() || next == end || *next != ' ')
        return false;
    at = next - line.data();
    while (at < line.size() && line[at] == ' ')
        ++at;
    return true;
}

// <frags> <ping> "<name>"
bool ReadPlayer(QByteArrayView line, PlayerStatus& player) {
    qsizetype at = 0;
    if (!ReadNumberAndBlanks(line, at, player.frags) || !ReadNumberAndBlanks(line, at, player.ping))
        return false;
    const QByteArrayView quoted = line.sliced(at);
    if (quoted.size() < 2 || !quoted.startsWith('"') || !quoted.endsWith('"'))
        return false;
    player.name = GameText(quoted.sliced(1, quoted.size() - 2));
    return true;
}

// \key\value\key\value...; false when the fields do not pair up.
bool ReadInfo(QByteArrayView line, QMap<QString, QString>& info) {
    if (line.isEmpty())
        return true;
    if (!line.startsWith('\\'))
        return false;
    const QList<QByteArray> fields = line.sliced(1).toByteArray().split('\\');
    for (qsizetype field = 0; field + 1 < fields.size(); field += 2)
        info.insert(GameText(fields[field]), GameText(fields[field + 1]));
    return fields.size() % 2 == 0;
}

} // namespace

QByteArray StatusRequest() {
    return QByteArrayLiteral("\xff\xff\xff\xffstatus\n");
}

StatusReply ParseStatusReply(QByteArrayView datagram) {
    StatusReply reply;
    if (!datagram.startsWith(kReplyHeader))
        return reply;
    reply.wellFormed = datagram.size() <= kMaxStatusReplyBytes;
    QByteArrayView body =
        datagram.first(std::min(datagram.size(), kMaxStatusReplyBytes)).sliced(kReplyHeader.size());
    // Every line ends with a line feed; a reply without the last one was cut short.
    if (!body.endsWith('\n'))
        reply.wellFormed = false;

    qsizetype lineStart = 0;
    for (int lineNumber = 0; lineStart < body.size(); ++lineNumber) {
        qsizetype lineEnd = body.indexOf('\n', lineStart);
        if (lineEnd < 0)
            lineEnd = body.size();
        const QByteArrayView line = body.sliced(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        if (lineNumber == 0) {
            reply.wellFormed &= ReadInfo(line, reply.info);
            continue;
        }
        PlayerStatus player;
        if (ReadPlayer(line, player))
            reply.players.append(player);
        else
            reply.wellFormed = false;
    }
    return reply;
}

QString GameText(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const char16_t shown = static_cast<unsigned char>(byte) & 0x7f;
        *out++ = QChar(shown < 0x20 || shown == 0x7f ? u'.' : shown);
    }
    return text;
}
