#include "common/RecordWriter.h"

#include <algorithm>
#include <charconv>
#include <iterator>

void RecordWriter::AppendNumber(qint32 value) {
    char digits[16];
    const auto result = std::to_chars(std::begin(digits), std::end(digits), value);
    mBytes.append(digits, result.ptr - digits);
}

void RecordWriter::BeginField() {
    if (mLineStarted)
        mBytes += ',';
    mLineStarted = true;
}

RecordWriter& RecordWriter::Text(const QString& value) {
    BeginField();
    // Plain ASCII, the usual case, is copied straight into the buffer; an
    // inner quote is doubled. Anything else goes through the UTF-8 encoder.
    const qsizetype start = mBytes.size();
    const qsizetype needed = start + 2 * value.size() + 2;
    if (mBytes.capacity() < needed)
        mBytes.reserve(std::max(needed, 2 * mBytes.capacity()));
    mBytes.resize(needed);
    char* out = mBytes.data() + start;
    *out++ = '"';
    for (const QChar c : value) {
        if (c.unicode() >= 0x80) {
            QByteArray utf8 = value.toUtf8();
            utf8.replace("\"", "\"\"");
            mBytes.truncate(start);
            mBytes += '"' + utf8 + '"';
            return *this;
        }
        if (c == u'"')
            *out++ = '"';
        *out++ = char(c.unicode());
    }
    *out++ = '"';
    mBytes.truncate(out - mBytes.constData());
    return *this;
}

RecordWriter& RecordWriter::Int16(qint16 value) {
    BeginField();
    AppendNumber(value);
    return *this;
}

RecordWriter& RecordWriter::Int32(qint32 value) {
    BeginField();
    AppendNumber(value);
    return *this;
}

RecordWriter& RecordWriter::Bool(bool value) {
    BeginField();
    mBytes += value ? "#TRUE#" : "#FALSE#";
    return *this;
}

void RecordWriter::EndLine() {
    mBytes += "\r\n";
    mLineStarted = false;
}
