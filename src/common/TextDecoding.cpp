#include "common/TextDecoding.h"

#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace {

std::optional<QString> DecodeUtf8(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

// The bytes at the end that begin a UTF-8 character but stop short of it.
qsizetype CutOffCharacterSize(const QByteArray& bytes) {
    for (qsizetype back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const auto byte = static_cast<uchar>(bytes.at(bytes.size() - back));
        if ((byte & 0xC0) == 0x80)
            continue; // a continuation byte; the character began further back
        const qsizetype length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? back : 0;
    }
    return 0;
}

bool IsAscii(const QByteArray& bytes) {
    return std::all_of(bytes.cbegin(), bytes.cend(),
                       [](char c) { return static_cast<uchar>(c) < 0x80; });
}

} // namespace

QString DecodeFileText(const QByteArray& bytes) {
    if (std::optional<QString> text = DecodeUtf8(bytes))
        return *text;
    // A file cut off inside a character (a truncated record file) is still
    // UTF-8 before the cut; reading it all as Latin-1 would garble every name
    // in it. Non-ASCII text before the cut tells it from a Latin-1 file, in
    // which that text would not be valid UTF-8.
    const QByteArray beforeCut = bytes.chopped(CutOffCharacterSize(bytes));
    if (beforeCut.size() < bytes.size() && !IsAscii(beforeCut)) {
        if (std::optional<QString> text = DecodeUtf8(beforeCut))
            return *text;
    }
    return QString::fromLatin1(bytes);
}
