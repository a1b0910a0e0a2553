#include "common/RecordReader.h"

#include "common/RecordFormat.h"
#include "common/TextDecoding.h"

#include <QStringList>

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {

// The most characters of a field that a message quotes.
constexpr qsizetype kExcerptLength = 80;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

QByteArrayView TrimBlanks(QByteArrayView field) {
    while (!field.isEmpty() && IsBlank(field.front()))
        field = field.sliced(1);
    while (!field.isEmpty() && IsBlank(field.back()))
        field.chop(1);
    return field;
}

// The start of a field for a message: on one line, and at most
// kExcerptLength characters followed by an ellipsis.
QString Excerpt(QByteArrayView field) {
    // Four bytes per character at most; the cut goes back to the start of a
    // character so that a UTF-8 field stays valid.
    qsizetype cut = std::min(field.size(), 4 * kExcerptLength + 1);
    for (int back = 0; back < 3 && cut < field.size() && cut > 0 &&
                       (static_cast<uchar>(field[cut]) & 0xC0) == 0x80;
         ++back)
        --cut;
    bool usedFallback = false;
    QString text = DecodeText(field.first(cut), usedFallback);
    bool shortened = cut < field.size();
    if (text.size() > kExcerptLength) {
        text.truncate(text.at(kExcerptLength - 1).isHighSurrogate() ? kExcerptLength - 1
                                                                    : kExcerptLength);
        shortened = true;
    }
    for (QChar& c : text) {
        if (c.unicode() < 0x20)
            c = u' ';
    }
    if (shortened)
        text += QChar(0x2026);
    return text;
}

} // namespace

RecordReader::RecordReader(const QByteArray& bytes) : mBytes(bytes) {
    if (IsUtf16(mBytes)) {
        mBytes = Utf16ToUtf8(bytes);
        mRecoded = tr("the file is in UTF-16");
    } else if (mBytes.startsWith(kUtf8ByteOrderMark)) {
        mPos = kUtf8ByteOrderMark.size();
    }
}

bool RecordReader::AtEnd() const {
    for (qsizetype i = mPos; i < mBytes.size(); ++i) {
        const char c = mBytes.at(i);
        if (!IsBlank(c) && !IsLineBreak(c))
            return false;
    }
    return true;
}

// Line ends are CR LF, LF or CR alone.
int RecordReader::LineAt(qsizetype offset) const {
    int line = 1;
    const char* data = mBytes.constData();
    for (qsizetype i = 0; i < offset && i < mBytes.size(); ++i) {
        if (data[i] == '\n' || (data[i] == '\r' && (i + 1 >= mBytes.size() || data[i + 1] != '\n')))
            ++line;
    }
    return line;
}

bool RecordReader::Fail(const QString& reason) {
    if (mError.isEmpty())
        mError = tr("line %1: %2").arg(LineAt(mFieldStart)).arg(reason);
    return false;
}

Result<> RecordReader::Outcome() const {
    QStringList problems = {mError, mRecoded};
    problems.removeAll(QString());
    return problems.isEmpty() ? Result<>() : Result<>::Failure(problems.join(QLatin1String("; ")));
}

bool RecordReader::NextField(QByteArrayView& field) {
    if (!mError.isEmpty())
        return false;
    const char* data = mBytes.constData();
    const qsizetype size = mBytes.size();
    qsizetype pos = mPos;
    while (pos < size && IsBlank(data[pos]))
        ++pos;
    mFieldStart = pos;
    if (pos >= size)
        return Fail(tr("unexpected end of file"));

    if (data[pos] != '"') {
        const qsizetype start = pos;
        while (pos < size && data[pos] != ',' && !IsLineBreak(data[pos]))
            ++pos;
        field = TrimBlanks(QByteArrayView(data + start, pos - start));
    } else {
        const qsizetype start = pos + 1;
        auto closingQuote = [&](qsizetype from) {
            const void* quote = std::memchr(data + from, '"', size - from);
            return quote ? static_cast<const char*>(quote) - data : -1;
        };
        pos = closingQuote(start);
        if (pos < 0)
            return Fail(tr("unexpected end of file in a quoted field"));
        field = QByteArrayView(data + start, pos - start);
        // A doubled quote stands for one quote inside the text.
        if (pos + 1 < size && data[pos + 1] == '"') {
            mScratch.truncate(0);
            qsizetype from = start;
            while (pos + 1 < size && data[pos + 1] == '"') {
                mScratch.append(data + from, pos + 1 - from);
                from = pos + 2;
                pos = closingQuote(from);
                if (pos < 0)
                    return Fail(tr("unexpected end of file in a quoted field"));
            }
            mScratch.append(data + from, pos - from);
            field = mScratch;
        }
        ++pos;
        // Every record the program writes ends with a line end.
        if (pos == size)
            return Fail(tr("the file ends right after a text; the last record may be cut off"));
        while (pos < size && IsBlank(data[pos]))
            ++pos;
        if (pos < size && data[pos] != ',' && !IsLineBreak(data[pos]))
            return Fail(tr("text after a closing quote"));
    }
    if (std::memchr(field.data(), '\0', field.size()))
        return Fail(tr("a NUL byte"));
    // Step over the comma or line end.
    if (pos + 1 < size && data[pos] == '\r' && data[pos + 1] == '\n')
        ++pos;
    mPos = std::min(pos + 1, size);
    return true;
}

bool RecordReader::Text(QString& value) {
    QByteArrayView field;
    if (!NextField(field))
        return false;
    bool usedFallback = false;
    value = DecodeText(field, usedFallback);
    if (usedFallback && mRecoded.isEmpty())
        mRecoded = tr("line %1 is not UTF-8 and was read as Windows-1252").arg(LineAt(mFieldStart));
    return true;
}

bool RecordReader::Int32(qint32& value) {
    QByteArrayView field;
    if (!NextField(field))
        return false;
    QByteArrayView digits = TrimBlanks(field);
    if (digits.size() > 1 && digits[0] == '+' && digits[1] != '-')
        digits = digits.sliced(1);
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (stop != end || digits.isEmpty())
        return Fail(tr("\"%1\" is not a number").arg(Excerpt(field)));
    if (error != std::errc())
        return Fail(tr("number %1 is out of range").arg(Excerpt(digits)));
    return true;
}

bool RecordReader::Int16(qint16& value) {
    qint32 wide = 0;
    if (!Int32(wide))
        return false;
    if (wide < -32768 || wide > 32767)
        return Fail(tr("number %1 is out of range").arg(wide));
    value = static_cast<qint16>(wide);
    return true;
}

bool RecordReader::Bool(bool& value) {
    QByteArrayView field;
    if (!NextField(field))
        return false;
    if (field == kTrueField)
        value = true;
    else if (field == kFalseField)
        value = false;
    else
        return Fail(tr("\"%1\" is not #TRUE# or #FALSE#").arg(Excerpt(field)));
    return true;
}
