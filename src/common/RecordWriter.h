#pragma once

#include <QByteArray>
#include <QString>

// Builds the text of a record file. Each call adds one field to the current
// line; EndLine() closes the line with CR LF. Fields are separated by commas
// without blanks, texts are quoted (an inner quote is doubled), booleans are
// #TRUE# or #FALSE#, numbers are plain decimal.
class RecordWriter {
public:
    RecordWriter& Text(const QString& value);
    RecordWriter& Int16(qint16 value);
    RecordWriter& Int32(qint32 value);
    RecordWriter& Bool(bool value);
    void EndLine();

    const QByteArray& Bytes() const { return mBytes; }

private:
    void BeginField();
    void AppendNumber(qint32 value);

    QByteArray mBytes;
    bool mLineStarted = false;
};
