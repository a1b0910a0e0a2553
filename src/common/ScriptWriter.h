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

    // The text on one line: each line break (CR LF, CR or LF) becomes one
    // mark, a blank unless told, so a value never spills onto a line of its
    // own.
    static QString OneLine(QString text, QChar mark = u' ') {
        text.replace(QStringLiteral("\r\n"), QString(mark));
        return text.replace(u'\r', mark).replace(u'\n', mark);
    }

    // A value as the game reads it back as one value of one command: on one
    // line, and put in double quotes when it holds a blank, a control
    // character, a ';', a "//" (the console drops the rest of the line as a
    // comment) or a '$' (some engines expand "$name" outside quotes). The game
    // has no way to write a '"' inside a value, so it is dropped. Any other
    // value stays as it is.
    static QString Value(QString text) {
        text = OneLine(text.remove(u'"'));
        bool quoted = text.contains(QStringLiteral("//"));
        for (const QChar c : text)
            quoted = quoted || c.unicode() <= u' ' || c == u';' || c == u'$';
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
