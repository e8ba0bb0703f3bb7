#include "generator/planetlookups.h"

#include "catalogue/starrec.h"
#include "common/textnumber.h"
#include "generator/planettables.h"
#include "generator/randomsource.h"

#include <algorithm>
#include <string_view>
#include <utility>

using namespace planettables;

namespace {

QString textOf(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The character at a 1-based position; empty outside the text.
QString charAt(std::string_view text, int position)
{
    if (position < 1 || static_cast<size_t>(position) > text.size())
        return {};
    return QString(QLatin1Char(text[static_cast<size_t>(position) - 1]));
}

QString charAt(const QString &text, int position)
{
    if (position < 1 || position > text.size())
        return {};
    return text.mid(position - 1, 1);
}

// Item `index` (0-based) of a comma-separated list; empty outside the list.
QString itemAt(std::string_view list, int index)
{
    if (index < 0)
        return {};
    for (int item = 0; item < index; ++item) {
        const size_t comma = list.find(',');
        if (comma == std::string_view::npos)
            return {};
        list.remove_prefix(comma + 1);
    }
    return textOf(list.substr(0, list.find(',')));
}

// Row `index` (0-based) of a table; empty outside the table.
template <size_t N>
std::string_view rowAt(const std::array<std::string_view, N> &rows, int index)
{
    return index >= 0 && static_cast<size_t>(index) < N ? rows[static_cast<size_t>(index)] : std::string_view();
}

int wholeNumber(const QString &text)
{
    return static_cast<int>(common::roundHalfEven(common::lenientNumber(text)));
}

// The first orbit in zone "B", and the orbit before the first non-"B" orbit that follows it;
// each 0 when there is none.
std::pair<int, int> warmRun(const StarRecord &star)
{
    constexpr int kOrbits = 12;
    int firstB = 0;
    for (int orbit = 1; orbit <= kOrbits; ++orbit) {
        const bool warm = orbitZone(star, orbit) == u"B";
        if (firstB == 0 && warm)
            firstB = orbit;
        else if (firstB != 0 && !warm)
            return { firstB, orbit - 1 };
    }
    return { firstB, 0 };
}

} // namespace

QString orbitZone(const StarRecord &star, int orbit)
{
    QString candidate = star.spectralClass;
    for (const ZoneRow &row : kZoneRows) {
        if (star.spectralClass.contains(QLatin1Char(row.letter)))
            candidate = textOf(row.zones);
    }
    return charAt(candidate, orbit);
}

QString subclassKey(const QString &spectralClass)
{
    const QString key = spectralClass.toUpper();
    if (key.size() > 2)
        return key.right(2);
    if (key.size() == 1)
        return key + u'0';
    return key;
}

bool rollPlanet(const StarRecord &star, RandomSource &random)
{
    const QString key = subclassKey(star.spectralClass);
    const int first = random.randomInt(1, 10);
    const int total = first + random.randomInt(1, 10);
    for (const PresenceRow &row : kPresenceRows) {
        if (key >= textOf(row.low) && key <= textOf(row.high))
            return total < row.below || (row.seventeen && total == 17);
    }
    return false;
}

QString planetCode(const StarRecord &star, int orbit, RandomSource &random)
{
    const int column = random.randomInt(1, 10);
    int row = random.randomInt(1, 10);
    const QString zone = orbitZone(star, orbit);
    if (zone == u"B")
        row -= 2;
    else if (zone == u"N")
        row += 2;
    else if (zone == u"H")
        row = 10;
    row = qBound(1, row, 10);
    const int position = (row - 1) * 10 + column;
    return charAt(kSizeGrid, position) + charAt(kEnvironmentGrid, position) + charAt(kResourceGrid, position);
}

int environmentIndex(const QString &code)
{
    const QString environment = charAt(code, 2);
    if (environment == u"t")
        return 1;
    if (environment == u"h")
        return 2;
    return 0;
}

int sizeValue(const QString &code)
{
    return wholeNumber(code.left(1));
}

QString gravityText(const QString &code)
{
    return textOf(rowAt(kGravity, sizeValue(code)));
}

QString dayLengthText(const QString &code, RandomSource &random)
{
    const int column = environmentIndex(code);
    const int roll = random.randomInt(0, 9);
    return itemAt(kDays, roll * 3 + column);
}

QString atmosphereText(const QString &code, RandomSource &random)
{
    const int roll = random.randomInt(1, 10);
    const int size = sizeValue(code);
    int atmosphere = 0;
    if (size > 1) {
        const int row = size + roll - 3;
        atmosphere = wholeNumber(charAt(kAtmosphereDigits, row * 3 + environmentIndex(code) + 1));
    }
    return textOf(rowAt(kAtmospheres, atmosphere));
}

QString temperatureText(const StarRecord &star, int orbit, const QString &code, RandomSource &random)
{
    int t = random.randomInt(1, 10);
    if (orbitZone(star, orbit) != u"B") {
        const auto [firstB, lastB] = warmRun(star);
        if (orbit < firstB)
            t -= 6;
        if (orbit > lastB)
            t += 6;
    }
    // Two adjusted rolls share a row, from -5 and -4 in the first row to 15 and 16 in the last.
    const int row = t >= -5 ? (t + 5) / 2 : -1;
    return itemAt(rowAt(kTemperatureRows, row), environmentIndex(code));
}

int hydroPercentage(const QString &code, const QString &temperature, const QString &atmosphere, RandomSource &random)
{
    if (atmosphere == u"None")
        return 0;
    const int size = sizeValue(code);
    const int tv = wholeNumber(temperature);
    const int roll = random.randomInt(1, 10);
    if (tv == 50 || tv == 75)
        return wholeNumber(itemAt(rowAt(kHydroA, roll - 1), std::min(size - 3, 3)));
    if (tv == 0 || tv == 25 || tv == 100 || tv == 125)
        return wholeNumber(itemAt(rowAt(kHydroB, roll - 1), std::min(size - 2, 4)));
    return 0;
}
