#include "common/TextDecoding.h"

#include <QStringDecoder>

namespace {

// Windows-1252 at 0x80-0x9F; the five unassigned bytes keep their C1 code,
// as Windows itself decodes them.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString FromWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<uchar>(c);
        *out++ = QChar(byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : byte);
    }
    return text;
}

// QString::fromUtf8 drops a byte order mark at the start of the bytes; the
// file's own mark is skipped by the callers, so one here belongs to the text.
QString FromUtf8(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return utf8.decode(bytes);
}

} // namespace

bool IsUtf16(QByteArrayView bytes) {
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

QByteArray Utf16ToUtf8(QByteArrayView bytes) {
    QStringDecoder utf16(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE
                                                      : QStringDecoder::Utf16BE,
                         QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    // The file's byte order mark is left out; a second one belongs to the text.
    const QString text = utf16.decode(bytes.sliced(2));
    return text.toUtf8();
}

QString DecodeText(QByteArrayView bytes, bool& usedFallback) {
    usedFallback = !bytes.isValidUtf8();
    return usedFallback ? FromWindows1252(bytes) : FromUtf8(bytes);
}

QString DecodeFileText(const QByteArray& bytes) {
    if (IsUtf16(bytes))
        return FromUtf8(Utf16ToUtf8(bytes));
    QByteArrayView rest(bytes);
    if (rest.startsWith(kUtf8ByteOrderMark))
        rest = rest.sliced(kUtf8ByteOrderMark.size());
    if (rest.isValidUtf8())
        return FromUtf8(rest);
    QString text;
    while (!rest.isEmpty()) {
        const qsizetype lineEnd = rest.indexOf('\n');
        const QByteArrayView line = lineEnd < 0 ? rest : rest.first(lineEnd + 1);
        bool usedFallback = false;
        text += DecodeText(line, usedFallback);
        rest = rest.sliced(line.size());
    }
    return text;
}
