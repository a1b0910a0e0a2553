#pragma once

#include <QByteArray>
#include <QString>

// Builds the text of a record file. Each call adds one field to the current
// line; EndLine() closes the line with CR LF. Fields are separated by commas
// without blanks, texts are quoted (an inner quote is doubled), booleans are
// #TRUE# or #FALSE#, numbers are plain decimal.
//
// Fields are written straight into one buffer that grows by doubling: a field
// checks the room once for its longest form and then writes without checks.
class RecordWriter {
public:
    RecordWriter& Text(const QString& value);
    RecordWriter& Int16(qint16 value) { return Int32(value); }
    RecordWriter& Int32(qint32 value);
    RecordWriter& Bool(bool value);
    void EndLine();

    const QByteArray& Bytes() const;

private:
    // At least this many bytes free after the text; where they start.
    char* Room(qsizetype bytes);
    // Room for the longest form of a field, after its comma; where it goes.
    char* BeginField(qsizetype longest);

    // Holds the text in its first mUsed bytes; Bytes() cuts it to that size.
    mutable QByteArray mBytes;
    qsizetype mUsed = 0;
    bool mLineStarted = false;
};
