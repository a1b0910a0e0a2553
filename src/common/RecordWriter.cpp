#include "common/RecordWriter.h"

void RecordWriter::BeginField() {
    if (mLineStarted)
        mBytes += ',';
    mLineStarted = true;
}

RecordWriter& RecordWriter::Text(const QString& value) {
    BeginField();
    mBytes += '"';
    QByteArray utf8 = value.toUtf8();
    utf8.replace("\"", "\"\"");
    mBytes += utf8;
    mBytes += '"';
    return *this;
}

RecordWriter& RecordWriter::Int16(qint16 value) {
    BeginField();
    mBytes += QByteArray::number(value);
    return *this;
}

RecordWriter& RecordWriter::Int32(qint32 value) {
    BeginField();
    mBytes += QByteArray::number(value);
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
