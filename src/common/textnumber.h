#pragma once

#include <QString>

namespace common {

// Reads a number the forgiving way the catalogue, the range box and the generator tables need:
// blanks anywhere are skipped, then an optional sign and the longest prefix that forms a decimal
// number (point and exponent included) is taken; reading stops at the first character that cannot
// continue it. An empty or non-numeric text gives 0.
double lenientNumber(const QString &text);

// Nearest whole number, halves to the even neighbour (12.5 -> 12, 13.5 -> 14, -2.5 -> -2).
double roundHalfEven(double value);

// Nearest whole number clamped to the given bounds; NaN gives 0.
qint64 roundToRange(double value, qint64 lowest, qint64 highest);

// "#0": the value rounded to a whole number, a minus sign when negative, no padding.
QString formatWhole(double value);

// "00": the value rounded to a whole number with at least two digits ("-07", "00", "15", "100").
QString formatTwoDigits(double value);

} // namespace common
