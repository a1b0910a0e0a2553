#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

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
    // break becomes a blank, and a value holding a blank, a control character,
    // a ';', a "//" (the console drops the rest of the line as a comment) or a
    // '$' (some engines expand "$name" outside quotes) is put in double
    // quotes. The game has no way to write a '"' inside a value, so it is
    // dropped. Any other value stays as it is.
    static QString Value(QString text) {
        text.remove(u'"');
        text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        bool quoted = text.contains(QStringLiteral("//"));
        for (QChar& c : text) {
            if (c == u'\r' || c == u'\n')
                c = u' ';
            quoted = quoted || c.unicode() <= u' ' || c == u';' || c == u'$';
        }
        return quoted ? u'"' + text + u'"' : text;
    }

    // True when the game's console would not read the text as one value of
    // an unquoted command: ';' and a line break end the command, and a '"'
    // starts or ends a quoted part. The game turns its command line
    // arguments ("+set game NAME", "+exec NAME") into such commands, and
    // nothing there can quote the value, so such a text must not be passed.
    static bool ConsoleWouldSplit(QStringView text) {
        for (const QChar c : text) {
            if (c == u';' || c == u'\n' || c == u'\r' || c == u'"')
                return true;
        }
        return false;
    }

private:
    QByteArray mBytes;
};
