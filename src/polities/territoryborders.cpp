#include "polities/territoryborders.h"

#include "polities/planeterritory.h"

namespace {

// The polity whose edge lies between two cells, or -1 when they are held alike or by no one.
int edgeOwner(int a, int b)
{
    if (a == b)
        return -1;
    return a >= 0 ? a : b;
}

} // namespace

std::vector<BorderLine> territoryBorders(const PlaneTerritory &plane, int column, int row, int columns, int rows)
{
    std::vector<BorderLine> borders;
    const double cell = plane.cellSize();
    const auto xAt = [&](int c) { return plane.left() + c * cell; };
    const auto yAt = [&](int r) { return plane.bottom() + r * cell; };
    // Vertical edges: between columns c - 1 and c, run up the rows.
    for (int c = column + 1; c < column + columns; ++c) {
        int runOwner = -1;
        int runFrom = row;
        for (int r = row; r <= row + rows; ++r) {
            const int owner = r < row + rows ? edgeOwner(plane.holder(c - 1, r), plane.holder(c, r)) : -1;
            if (owner == runOwner)
                continue;
            if (runOwner >= 0)
                borders.push_back({ QLineF(xAt(c), yAt(runFrom), xAt(c), yAt(r)), runOwner });
            runOwner = owner;
            runFrom = r;
        }
    }
    // Horizontal edges: between rows r - 1 and r, run along the columns.
    for (int r = row + 1; r < row + rows; ++r) {
        int runOwner = -1;
        int runFrom = column;
        for (int c = column; c <= column + columns; ++c) {
            const int owner = c < column + columns ? edgeOwner(plane.holder(c, r - 1), plane.holder(c, r)) : -1;
            if (owner == runOwner)
                continue;
            if (runOwner >= 0)
                borders.push_back({ QLineF(xAt(runFrom), yAt(r), xAt(c), yAt(r)), runOwner });
            runOwner = owner;
            runFrom = c;
        }
    }
    return borders;
}
