#pragma once

#include <QByteArray>
#include <QString>

// Builds the text of a game config script: plain lines, each ended with
// CR LF. Text that holds its own line breaks (the user's extra commands) is
// written as it is.
class ScriptWriter {
public:
    void Line(const QString& text = QString()) {
        mBytes += text.toUtf8();
        mBytes += "\r\n";
    }
    const QByteArray& Bytes() const { return mBytes; }

    // A value as the game reads it back as one value of one command: a line
    // break becomes a blank, and a value holding a blank, a control character
    // or a ';' is put in double quotes. The game has no way to write a '"'
    // inside a value, so it is dropped. Any other value stays as it is.
    static QString Value(QString text) {
        text.remove(u'"');
        text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        bool quoted = false;
        for (QChar& c : text) {
            if (c == u'\r' || c == u'\n')
                c = u' ';
            quoted = quoted || c.unicode() <= u' ' || c == u';';
        }
        return quoted ? u'"' + text + u'"' : text;
    }

private:
    QByteArray mBytes;
};
