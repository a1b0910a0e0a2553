#pragma once

#include <QByteArray>
#include <QString>

// Files written by Corvale are UTF-8; older or hand-edited files may be in an
// 8-bit code page, which is read as Latin-1 so that no byte is lost.
QString DecodeFileText(const QByteArray& bytes);
