#include "common/textnumber.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace common {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

} // namespace

double lenientNumber(const QString &text)
{
    std::string digits;
    digits.reserve(static_cast<size_t>(text.size()));
    bool seenDigit = false, seenPoint = false, seenExponent = false, exponentDigit = false;
    size_t mantissaEnd = 0; // length of the text that forms a complete number so far

    for (const QChar c : text) {
        if (isBlank(c))
            continue;
        const char ch = c.toLatin1();
        const bool atStart = digits.empty();
        if ((ch == '+' || ch == '-') && atStart) {
            digits += ch;
        } else if (ch >= '0' && ch <= '9') {
            digits += ch;
            if (seenExponent)
                exponentDigit = true;
            else
                seenDigit = true;
            mantissaEnd = digits.size();
        } else if (ch == '.' && !seenPoint && !seenExponent) {
            digits += ch;
            seenPoint = true;
            if (seenDigit)
                mantissaEnd = digits.size();
        } else if ((ch == 'e' || ch == 'E') && seenDigit && !seenExponent) {
            digits += 'e';
            seenExponent = true;
        } else if ((ch == '+' || ch == '-') && seenExponent && !exponentDigit && digits.back() == 'e') {
            digits += ch;
        } else {
            break;
        }
    }
    if (!seenDigit)
        return 0.0;
    digits.resize(mantissaEnd);
    // Read with a point as the decimal separator whatever the user's locale, which the C library's
    // own conversion would follow.
    const char *first = digits.data() + (digits.front() == '+' ? 1 : 0);
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, digits.data() + digits.size(), value);
    Q_UNUSED(end)
    if (error == std::errc::result_out_of_range) {
        // Too large for a double: an infinity of its sign; too small: zero.
        const bool tiny = digits.find("e-") != std::string::npos;
        const bool negative = digits.front() == '-';
        return tiny ? 0.0 : (negative ? -HUGE_VAL : HUGE_VAL);
    }
    return value;
}

double roundHalfEven(double value)
{
    const double floorValue = std::floor(value);
    const double diff = value - floorValue;
    if (diff < 0.5)
        return floorValue;
    if (diff > 0.5)
        return floorValue + 1.0;
    return std::fmod(floorValue, 2.0) == 0.0 ? floorValue : floorValue + 1.0;
}

qint64 roundToRange(double value, qint64 lowest, qint64 highest)
{
    if (std::isnan(value))
        return 0;
    const double rounded = roundHalfEven(value);
    if (rounded <= static_cast<double>(lowest))
        return lowest;
    if (rounded >= static_cast<double>(highest))
        return highest;
    return static_cast<qint64>(rounded);
}

QString formatWhole(double value)
{
    const double rounded = roundHalfEven(value);
    return QString::number(rounded == 0.0 ? 0.0 : rounded, 'f', 0);
}

QString formatTwoDigits(double value)
{
    const double rounded = roundHalfEven(value);
    QString digits = QString::number(std::fabs(rounded), 'f', 0);
    if (digits.size() < 2)
        digits.prepend(u'0');
    return rounded < 0 ? u'-' + digits : digits;
}

} // namespace common
