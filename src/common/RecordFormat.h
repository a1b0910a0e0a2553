#pragma once

#include <QByteArrayView>

// The two boolean values as a record file writes them.
inline constexpr QByteArrayView kTrueField("#TRUE#");
inline constexpr QByteArrayView kFalseField("#FALSE#");
