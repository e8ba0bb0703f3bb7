#include "catalogue/startable.h"

#include "catalogue/catalogue.h"
#include "common/textnumber.h"

#include <QStringList>

#include <array>
#include <limits>
#include <utility>

namespace {

// The working grids cover X and Y from -40 to 40.
constexpr int kGridHalf = 40;
constexpr int kGridSide = 2 * kGridHalf + 1;
using CellGrid = std::array<std::array<qint32, kGridSide>, kGridSide>;

qint16 toShort(const QString &field)
{
    return static_cast<qint16>(common::roundToRange(
        common::lenientNumber(field), std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()));
}

qint32 &cell(CellGrid &grid, const starrec &star)
{
    return grid.at(static_cast<size_t>(star.starx + kGridHalf)).at(static_cast<size_t>(star.stary + kGridHalf));
}

void place(starrec &star, double dx, double dy, qint16 shifted)
{
    star.mapx = static_cast<float>(star.starx + dx);
    star.mapy = static_cast<float>(star.stary + dy);
    star.shifted = shifted;
}

} // namespace

StarTable StarTable::fromStars(std::vector<starrec> stars)
{
    StarTable table;
    table.m_stars = std::move(stars);
    return table;
}

StarTable StarTable::fromCatalogue()
{
    StarTable table;
    const int count = static_cast<int>(common::lenientNumber(catrow(-1)));
    table.m_stars.resize(static_cast<size_t>(count));

    CellGrid cellcount {};
    CellGrid cellplaced {};
    for (int k = 0; k < count; ++k) {
        const QStringList fields = catrow(k).split(u',');
        starrec &star = table.m_stars[static_cast<size_t>(k)];
        star.sysname = fields.value(0);
        star.starname = fields.value(1);
        star.starx = toShort(fields.value(2));
        star.stary = toShort(fields.value(3));
        star.starz = toShort(fields.value(4));
        star.sclass = fields.value(5);
        star.soldist = toShort(fields.value(6));
        star.mark = fields.value(7);
        star.firstorb = toShort(fields.value(8));
        star.lastorb = toShort(fields.value(9));
        ++cell(cellcount, star);
    }

    for (starrec &star : table.m_stars) {
        const qint32 c = cell(cellcount, star);
        qint32 &p = cell(cellplaced, star);
        if (c == 2) {
            if (p == 0)
                place(star, -0.2, -0.2, 0);
            else
                place(star, 0.2, 0.2, 1);
            ++p;
        } else if (c == 3) {
            if (p == 0)
                place(star, 0.0, 0.2, 0);
            else if (p == 1)
                place(star, -0.2, -0.2, 1);
            else
                place(star, 0.2, -0.2, 1);
            ++p;
        } else {
            place(star, 0.0, 0.0, 0);
        }
    }
    return table;
}
