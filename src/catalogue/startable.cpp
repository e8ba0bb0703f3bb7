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

qint32 &cell(CellGrid &grid, const StarRecord &star)
{
    return grid.at(static_cast<size_t>(star.x + kGridHalf)).at(static_cast<size_t>(star.y + kGridHalf));
}

void place(StarRecord &star, double dx, double dy, qint16 shifted)
{
    star.plotX = static_cast<float>(star.x + dx);
    star.plotY = static_cast<float>(star.y + dy);
    star.shifted = shifted;
}

} // namespace

StarTable StarTable::fromStars(std::vector<StarRecord> stars)
{
    StarTable table;
    table.m_stars = std::move(stars);
    return table;
}

StarTable StarTable::subset(const std::vector<int> &rows) const
{
    StarTable table;
    table.m_sol = -1;
    table.m_stars.reserve(rows.size());
    for (const int row : rows) {
        if (row == m_sol)
            table.m_sol = table.size();
        table.m_stars.push_back((*this)[row]);
    }
    return table;
}

StarTable StarTable::fromCatalogue()
{
    StarTable table;
    const int count = static_cast<int>(common::lenientNumber(catalogueRow(-1)));
    table.m_stars.resize(static_cast<size_t>(count));

    CellGrid cellCount {};
    CellGrid cellPlaced {};
    for (int k = 0; k < count; ++k) {
        const QStringList fields = catalogueRow(k).split(u',');
        StarRecord &star = table.m_stars[static_cast<size_t>(k)];
        star.systemName = fields.value(0);
        star.starName = fields.value(1);
        star.x = toShort(fields.value(2));
        star.y = toShort(fields.value(3));
        star.z = toShort(fields.value(4));
        star.spectralClass = fields.value(5);
        star.distanceFromSol = toShort(fields.value(6));
        star.mark = fields.value(7);
        star.firstOrbit = toShort(fields.value(8));
        star.lastOrbit = toShort(fields.value(9));
        ++cell(cellCount, star);
    }

    for (StarRecord &star : table.m_stars) {
        const qint32 c = cell(cellCount, star);
        qint32 &p = cell(cellPlaced, star);
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
