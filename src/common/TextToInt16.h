#pragma once

#include <QString>

#include <cmath>
#include <limits>
#include <optional>

// The whole number a number box holds: a fraction rounds to the nearest whole
// number (ties to even); nothing for empty text, text that is not a number or
// a number outside -32768 to 32767.
inline std::optional<qint16> TextToInt16(const QString& text) {
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    // The default rounding mode rounds halves to the even neighbour.
    const double whole = std::nearbyint(number);
    if (whole < std::numeric_limits<qint16>::min() || whole > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(whole);
}
