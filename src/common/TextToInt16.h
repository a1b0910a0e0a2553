#pragma once

#include <QString>

#include <optional>

// The whole number a number box holds: a fraction rounds to the nearest whole
// number (ties to even); nothing for empty text, text that is not a number or
// a number outside -32768 to 32767.
std::optional<qint16> TextToInt16(const QString& text);
