#include "common/RecordWriter.h"

#include "common/RecordFormat.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {

// The longest 32-bit number.
constexpr qsizetype kNumberRoom = 11;

} // namespace

const QByteArray& RecordWriter::Bytes() const {
    mBytes.truncate(mUsed);
    return mBytes;
}

char* RecordWriter::Room(qsizetype bytes) {
    const qsizetype needed = mUsed + bytes;
    if (mBytes.size() < needed) {
        mBytes.truncate(mUsed);
        if (mBytes.capacity() < needed)
            mBytes.reserve(std::max(needed, 2 * mBytes.capacity()));
        mBytes.resize(mBytes.capacity());
    }
    return mBytes.data() + mUsed;
}

char* RecordWriter::BeginField(qsizetype longest) {
    // A comma before, room for a line end after.
    char* out = Room(1 + longest + 2);
    if (mLineStarted)
        *out++ = ',';
    mLineStarted = true;
    return out;
}

RecordWriter& RecordWriter::Text(const QString& value) {
    // UTF-8 takes three bytes at most for each UTF-16 unit; a quote two.
    char* out = BeginField(3 * value.size() + 2);
    *out++ = '"';
    const QChar* in = value.constData();
    const QChar* const end = in + value.size();
    while (in != end) {
        const char16_t c = (in++)->unicode();
        if (c < 0x80) {
            if (c == u'"')
                *out++ = '"';
            *out++ = char(c);
        } else if (c < 0x800) {
            *out++ = char(0xC0 | (c >> 6));
            *out++ = char(0x80 | (c & 0x3F));
        } else if (!QChar::isSurrogate(c)) {
            *out++ = char(0xE0 | (c >> 12));
            *out++ = char(0x80 | ((c >> 6) & 0x3F));
            *out++ = char(0x80 | (c & 0x3F));
        } else if (QChar::isHighSurrogate(c) && in != end && in->isLowSurrogate()) {
            const char32_t code = QChar::surrogateToUcs4(c, (in++)->unicode());
            *out++ = char(0xF0 | (code >> 18));
            *out++ = char(0x80 | ((code >> 12) & 0x3F));
            *out++ = char(0x80 | ((code >> 6) & 0x3F));
            *out++ = char(0x80 | (code & 0x3F));
        } else {
            *out++ = '?'; // a lone surrogate, as QString::toUtf8() writes it
        }
    }
    *out++ = '"';
    mUsed = out - mBytes.constData();
    return *this;
}

RecordWriter& RecordWriter::Int32(qint32 value) {
    char* out = BeginField(kNumberRoom);
    out = std::to_chars(out, out + kNumberRoom, value).ptr;
    mUsed = out - mBytes.constData();
    return *this;
}

RecordWriter& RecordWriter::Bool(bool value) {
    const QByteArrayView text = value ? kTrueField : kFalseField;
    char* out = BeginField(text.size());
    std::memcpy(out, text.data(), text.size());
    mUsed = out + text.size() - mBytes.constData();
    return *this;
}

void RecordWriter::EndLine() {
    char* out = Room(2);
    *out++ = '\r';
    *out++ = '\n';
    mUsed += 2;
    mLineStarted = false;
}
