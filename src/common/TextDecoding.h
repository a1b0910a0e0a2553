#pragma once

#include <QByteArray>
#include <QString>

// Files written by Corvale are UTF-8; older or hand-edited files may be in an
// 8-bit code page, which is read as Latin-1 so that no byte is lost. A UTF-8
// file cut off inside its last character is read as UTF-8 up to the cut.
QString DecodeFileText(const QByteArray& bytes);
