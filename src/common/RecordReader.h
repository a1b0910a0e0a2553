#pragma once

#include "common/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

// Reads a record file one field at a time, whatever the line structure.
// A quoted field runs to its closing quote (commas and line breaks inside
// belong to it, a doubled quote is one quote) and may be followed only by
// blanks before its comma or line end; an unquoted field runs to the next
// comma or line end and loses surrounding blanks. Line ends may be CR LF, LF
// or CR; a UTF-8 byte order mark is skipped.
//
// Every read returns false on failure (end of data, a field that does not
// convert, a number out of range, a NUL byte, text after a closing quote) and
// leaves the reader failed: later reads fail too, and Outcome() tells what
// happened and on which line.
//
// The program ends every record with a line end. A file that ends right at a
// closing quote may have been cut inside a doubled quote, so that last field
// counts as cut off.
//
// Each field is decoded on its own: as UTF-8 when it is valid UTF-8,
// otherwise as Windows-1252. A file with a UTF-16 byte order mark is read as
// UTF-16. Outcome() notes either.
class RecordReader {
    Q_DECLARE_TR_FUNCTIONS(RecordReader)

public:
    explicit RecordReader(const QByteArray& bytes);
    RecordReader(const RecordReader&) = delete;
    RecordReader& operator=(const RecordReader&) = delete;

    bool Text(QString& value);
    bool Int16(qint16& value);
    bool Int32(qint32& value);
    bool Bool(bool& value);

    // True when nothing but blanks and line breaks is left.
    bool AtEnd() const;
    // Fails with what went wrong and on which line, and with why the text
    // was not all plain UTF-8 (a UTF-16 file, or the first field read as
    // Windows-1252); succeeds when neither happened.
    Result<> Outcome() const;

    // How far reading has come, and how far it has to go, in bytes.
    qsizetype Consumed() const { return mPos; }
    qsizetype Size() const { return mBytes.size(); }

private:
    // The next field's bytes without its quotes; a view into the file, or
    // into mScratch when doubled quotes had to be undone.
    bool NextField(QByteArrayView& field);
    bool Fail(const QString& reason);
    int LineAt(qsizetype offset) const;

    QByteArray mBytes;
    qsizetype mPos = 0;
    qsizetype mFieldStart = 0;
    QString mError;
    QString mRecoded;
    QByteArray mScratch;
};
