#pragma once

#include <QtGlobal>

// Whether row names one of count entries; a selection of -1 names none.
constexpr bool RowInRange(qsizetype row, qsizetype count) {
    return row >= 0 && row < count;
}

// The row when it names one of count entries, else -1.
constexpr int RowOrNone(int row, int count) {
    return RowInRange(row, count) ? row : -1;
}
