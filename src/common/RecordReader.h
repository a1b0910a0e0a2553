#pragma once

#include <QByteArray>
#include <QString>

// Reads a record file one field at a time, whatever the line structure.
// A quoted field runs to its closing quote (commas and line breaks inside
// belong to it, a doubled quote is one quote); an unquoted field runs to the
// next comma or line end and loses surrounding blanks.
//
// Every read returns false on failure (end of data, a field that does not
// convert, a number out of range) and leaves the reader failed: later reads
// fail too, and Error() tells what happened and on which line.
class RecordReader {
public:
    // Decodes the bytes as UTF-8, or as Latin-1 when they are not valid UTF-8.
    explicit RecordReader(const QByteArray& bytes);

    bool Text(QString& value);
    bool Int16(qint16& value);
    bool Int32(qint32& value);
    bool Bool(bool& value);

    // True when nothing but blanks and line breaks is left.
    bool AtEnd() const;
    bool Failed() const { return !mError.isEmpty(); }
    QString Error() const { return mError; }

private:
    // The next field's text without its quotes; a view into the text, or
    // into mScratch when doubled quotes had to be undone.
    bool NextField(QStringView& field);
    bool Fail(const QString& reason, int line);
    void SkipDelimiter();
    bool AtLineBreak() const;
    void StepOverLineBreak();

    QString mText;
    qsizetype mPos = 0;
    int mLine = 1;
    QString mError;
    QString mScratch;
};
