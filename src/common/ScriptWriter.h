#pragma once

#include <QByteArray>
#include <QString>

// Builds the text of a game config script: plain lines, no quoting, each
// ended with CR LF. Text that holds its own line breaks is written as it is.
class ScriptWriter {
public:
    void Line(const QString& text = QString()) {
        mBytes += text.toUtf8();
        mBytes += "\r\n";
    }
    const QByteArray& Bytes() const { return mBytes; }

private:
    QByteArray mBytes;
};
