#include "common/RecordReader.h"

#include "common/TextDecoding.h"

namespace {

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

} // namespace

RecordReader::RecordReader(const QByteArray& bytes) : mText(DecodeFileText(bytes)) {
    if (mText.startsWith(QChar(0xFEFF)))
        mPos = 1;
}

bool RecordReader::AtEnd() const {
    for (qsizetype i = mPos; i < mText.size(); ++i) {
        const QChar c = mText.at(i);
        if (!IsBlank(c) && c != u'\r' && c != u'\n')
            return false;
    }
    return true;
}

bool RecordReader::Fail(const QString& reason, int line) {
    if (mError.isEmpty())
        mError = QStringLiteral("line %1: %2").arg(line).arg(reason);
    return false;
}

bool RecordReader::AtLineBreak() const {
    const QChar c = mText.at(mPos);
    return c == u'\r' || c == u'\n';
}

void RecordReader::StepOverLineBreak() {
    if (mText.at(mPos) == u'\r' && mPos + 1 < mText.size() && mText.at(mPos + 1) == u'\n')
        ++mPos;
    ++mPos;
    ++mLine;
}

// Consumes everything up to and including the next comma or line break.
void RecordReader::SkipDelimiter() {
    while (mPos < mText.size()) {
        if (mText.at(mPos) == u',') {
            ++mPos;
            return;
        }
        if (AtLineBreak()) {
            StepOverLineBreak();
            return;
        }
        ++mPos;
    }
}

bool RecordReader::NextField(QString& field, bool& quoted) {
    if (Failed())
        return false;
    while (mPos < mText.size() && IsBlank(mText.at(mPos)))
        ++mPos;
    if (mPos >= mText.size())
        return Fail(QStringLiteral("unexpected end of file"), mLine);

    field.clear();
    quoted = mText.at(mPos) == u'"';
    if (quoted) {
        const int startLine = mLine;
        ++mPos;
        for (;;) {
            if (mPos >= mText.size())
                return Fail(QStringLiteral("unexpected end of file in a quoted field"), startLine);
            const QChar c = mText.at(mPos);
            if (c == u'"') {
                if (mPos + 1 < mText.size() && mText.at(mPos + 1) == u'"') {
                    field += u'"';
                    mPos += 2;
                    continue;
                }
                ++mPos;
                break;
            }
            if (c == u'\n')
                ++mLine;
            field += c;
            ++mPos;
        }
        SkipDelimiter();
        return true;
    }

    const qsizetype start = mPos;
    while (mPos < mText.size() && mText.at(mPos) != u',' && !AtLineBreak())
        ++mPos;
    field = mText.mid(start, mPos - start).trimmed();
    SkipDelimiter();
    return true;
}

bool RecordReader::Text(QString& value) {
    bool quoted = false;
    return NextField(value, quoted);
}

bool RecordReader::Int16(qint16& value) {
    qint32 wide = 0;
    const int line = mLine;
    if (!Int32(wide))
        return false;
    if (wide < -32768 || wide > 32767)
        return Fail(QStringLiteral("number %1 is out of range").arg(wide), line);
    value = static_cast<qint16>(wide);
    return true;
}

bool RecordReader::Int32(qint32& value) {
    QString field;
    bool quoted = false;
    const int line = mLine;
    if (!NextField(field, quoted))
        return false;
    bool ok = false;
    const qint64 wide = field.toLongLong(&ok);
    if (!ok)
        return Fail(QStringLiteral("\"%1\" is not a number").arg(field), line);
    if (wide < INT32_MIN || wide > INT32_MAX)
        return Fail(QStringLiteral("number %1 is out of range").arg(field), line);
    value = static_cast<qint32>(wide);
    return true;
}

bool RecordReader::Bool(bool& value) {
    QString field;
    bool quoted = false;
    const int line = mLine;
    if (!NextField(field, quoted))
        return false;
    if (field == QLatin1String("#TRUE#"))
        value = true;
    else if (field == QLatin1String("#FALSE#"))
        value = false;
    else
        return Fail(QStringLiteral("\"%1\" is not #TRUE# or #FALSE#").arg(field), line);
    return true;
}
