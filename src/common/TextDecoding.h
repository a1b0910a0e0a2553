#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Files written by Corvale are UTF-8. Older or hand-edited files may hold a
// line in an 8-bit code page (most likely Windows-1252, which gives 0x80-0x9F
// as the euro sign, curly quotes and the like), or be saved as UTF-16 by a
// Windows editor.

// The byte order mark a UTF-8 file may begin with.
inline constexpr QByteArrayView kUtf8ByteOrderMark("\xEF\xBB\xBF");

// Whether the bytes begin with a UTF-16 byte order mark.
bool IsUtf16(QByteArrayView bytes);
// UTF-16 text with its byte order mark, as UTF-8 without one.
QByteArray Utf16ToUtf8(QByteArrayView bytes);

// One field or line: UTF-8 when it is valid UTF-8, otherwise Windows-1252;
// usedFallback tells which. A leading U+FEFF is part of the text and kept.
QString DecodeText(QByteArrayView bytes, bool& usedFallback);

// A whole text file: UTF-16 when it says so, otherwise line by line as
// DecodeText does. A UTF-8 byte order mark at the start of the file is
// dropped.
QString DecodeFileText(const QByteArray& bytes);
