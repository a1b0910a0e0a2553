#pragma once

#include <QString>

// The program's name: the application and organisation its settings are
// filed under, the caption of its message boxes, the stem of its own files.
inline const QString kProgramName = QStringLiteral("Corvale");

// The game's own game directory, which every installation holds and which
// stands in when no mod is chosen.
inline const QString kBaseGame = QStringLiteral("baseq2");
