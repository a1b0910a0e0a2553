#include "common/RecordReader.h"

#include "common/TextDecoding.h"

#include <limits>

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

bool RecordReader::NextField(QStringView& field) {
    if (Failed())
        return false;
    while (mPos < mText.size() && IsBlank(mText.at(mPos)))
        ++mPos;
    if (mPos >= mText.size())
        return Fail(QStringLiteral("unexpected end of file"), mLine);

    if (mText.at(mPos) == u'"') {
        const int startLine = mLine;
        ++mPos;
        qsizetype close = mText.indexOf(u'"', mPos);
        if (close < 0)
            return Fail(QStringLiteral("unexpected end of file in a quoted field"), startLine);
        field = QStringView(mText).mid(mPos, close - mPos);
        // A doubled quote stands for one quote inside the text.
        if (close + 1 < mText.size() && mText.at(close + 1) == u'"') {
            mScratch.clear();
            for (;;) {
                mScratch += QStringView(mText).mid(mPos, close - mPos);
                mPos = close + 1;
                if (mPos < mText.size() && mText.at(mPos) == u'"') {
                    mScratch += u'"';
                    close = mText.indexOf(u'"', ++mPos);
                    if (close < 0)
                        return Fail(QStringLiteral("unexpected end of file in a quoted field"),
                                    startLine);
                    continue;
                }
                break;
            }
            field = mScratch;
        } else {
            mPos = close + 1;
        }
        mLine += int(field.count(u'\n'));
        SkipDelimiter();
        return true;
    }

    const qsizetype start = mPos;
    while (mPos < mText.size() && mText.at(mPos) != u',' && !AtLineBreak())
        ++mPos;
    field = QStringView(mText).mid(start, mPos - start).trimmed();
    SkipDelimiter();
    return true;
}

bool RecordReader::Text(QString& value) {
    QStringView field;
    if (!NextField(field))
        return false;
    value = field.toString();
    return true;
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
    QStringView field;
    const int line = mLine;
    if (!NextField(field))
        return false;
    bool ok = false;
    const qint64 wide = field.toLongLong(&ok);
    if (!ok)
        return Fail(QStringLiteral("\"%1\" is not a number").arg(field), line);
    if (wide < std::numeric_limits<qint32>::min() || wide > std::numeric_limits<qint32>::max())
        return Fail(QStringLiteral("number %1 is out of range").arg(field), line);
    value = static_cast<qint32>(wide);
    return true;
}

bool RecordReader::Bool(bool& value) {
    QStringView field;
    const int line = mLine;
    if (!NextField(field))
        return false;
    if (field == QLatin1String("#TRUE#"))
        value = true;
    else if (field == QLatin1String("#FALSE#"))
        value = false;
    else
        return Fail(QStringLiteral("\"%1\" is not #TRUE# or #FALSE#").arg(field), line);
    return true;
}
