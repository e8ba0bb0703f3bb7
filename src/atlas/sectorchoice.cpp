#include "atlas/sectorchoice.h"

#include "atlas/atlasnotes.h"
#include "catalogue/startable.h"
#include "mapview/sectorgeometry.h"

#include <QPoint>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <numeric>

namespace {

// The origins a map can take, on either axis.
constexpr int kMinOrigin = -35;
constexpr int kMaxOrigin = 20;
constexpr int kOrigins = kMaxOrigin - kMinOrigin + 1;
// A sector shows 16 whole co-ordinates, origin to origin + 15.
constexpr int kSpan = 15;
// Every co-ordinate a shown star can have, as cells of a count grid.
constexpr int kLow = kMinOrigin;
constexpr int kCells = kMaxOrigin + kSpan - kLow + 1;

ViewState viewOf(const AtlasSector &sector)
{
    ViewState view;
    view.originX = sector.originX;
    view.originY = sector.originY;
    return view;
}

// How many of the stars still to show each sector would show, for every origin at once: a table
// of running sums over the stars' co-ordinates, so a sector's count is four look-ups.
class CoverCounts
{
public:
    explicit CoverCounts(const std::vector<QPoint> &cells)
    {
        for (const QPoint &c : cells)
            ++m_sum[static_cast<size_t>(c.y() + 1)][static_cast<size_t>(c.x() + 1)];
        for (size_t y = 1; y < m_sum.size(); ++y)
            for (size_t x = 1; x < m_sum.size(); ++x)
                m_sum[y][x] += m_sum[y - 1][x] + m_sum[y][x - 1] - m_sum[y - 1][x - 1];
    }
    // Stars shown by the sector whose origin is at cell (x, y).
    int at(int x, int y) const
    {
        const auto ux = static_cast<size_t>(x), uy = static_cast<size_t>(y);
        return m_sum[uy + kSpan + 1][ux + kSpan + 1] - m_sum[uy][ux + kSpan + 1] - m_sum[uy + kSpan + 1][ux]
            + m_sum[uy][ux];
    }

private:
    std::array<std::array<int, kCells + 1>, kCells + 1> m_sum {};
};

// The origin on one axis that puts the stars from `low` to `high` in the middle of the sector.
int centredOrigin(int low, int high)
{
    const int centred = static_cast<int>(std::floor((low + high - kSpan) / 2.0));
    return std::clamp(centred, std::max(high - kSpan, kMinOrigin), std::min(low, kMaxOrigin));
}

// Sectors that between them show every star of `wanted`, as few as a greedy choice finds: again
// and again the sector that shows the most stars not yet shown. Each is then moved to centre the
// stars it was chosen for. In the order of the first star each was chosen for.
std::vector<AtlasSector> coverStars(const StarTable &stars, const std::vector<int> &wanted)
{
    // Only stars some sector can show: within the origins' reach on both axes.
    const auto showable = [](int v) { return v >= kLow && v < kLow + kCells; };
    std::vector<int> left;
    for (const int star : wanted)
        if (stars.contains(star) && showable(stars[star].x) && showable(stars[star].y)
            && std::find(left.begin(), left.end(), star) == left.end())
            left.push_back(star);
    const auto cell = [&stars](int star) { return QPoint(stars[star].x - kLow, stars[star].y - kLow); };
    std::vector<std::pair<size_t, AtlasSector>> chosen; // with the position in `wanted` of its first star
    while (!left.empty()) {
        std::vector<QPoint> cells;
        for (const int star : left)
            cells.push_back(cell(star));
        const auto counts = std::make_unique<CoverCounts>(cells);
        int best = 0;
        QPoint origin;
        // North to south, west to east: the first of equal sectors is the one a road atlas starts with.
        for (int y = kOrigins - 1; y >= 0; --y)
            for (int x = 0; x < kOrigins; ++x)
                if (const int count = counts->at(x, y); count > best) {
                    best = count;
                    origin = QPoint(x, y);
                }
        const AtlasSector sector { origin.x() + kLow, origin.y() + kLow };
        std::vector<int> shown;
        std::vector<int> rest;
        for (const int star : left)
            (inSector(stars[star], viewOf(sector)) ? shown : rest).push_back(star);
        if (shown.empty())
            break; // cannot happen for showable stars; never loop on it
        left = std::move(rest);
        const auto [minX, maxX]
            = std::minmax_element(shown.begin(), shown.end(), [&](int a, int b) { return stars[a].x < stars[b].x; });
        const auto [minY, maxY]
            = std::minmax_element(shown.begin(), shown.end(), [&](int a, int b) { return stars[a].y < stars[b].y; });
        size_t first = wanted.size();
        for (const int star : shown)
            first
                = std::min(first, static_cast<size_t>(std::find(wanted.begin(), wanted.end(), star) - wanted.begin()));
        chosen.emplace_back(first,
            AtlasSector {
                centredOrigin(stars[*minX].x, stars[*maxX].x), centredOrigin(stars[*minY].y, stars[*maxY].y) });
    }
    std::stable_sort(chosen.begin(), chosen.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<AtlasSector> sectors;
    for (const auto &[first, sector] : chosen)
        if (std::find(sectors.begin(), sectors.end(), sector) == sectors.end())
            sectors.push_back(sector);
    return sectors;
}

// The whole catalogue in as few sectors as the greedy cover finds, north to south, then west to
// east, as a road atlas runs.
std::vector<AtlasSector> tiles(const StarTable &stars)
{
    std::vector<int> all(static_cast<size_t>(stars.size()));
    std::iota(all.begin(), all.end(), 0);
    std::vector<AtlasSector> sectors = coverStars(stars, all);
    std::sort(sectors.begin(), sectors.end(), [](const AtlasSector &a, const AtlasSector &b) {
        return std::pair(-a.originY, a.originX) < std::pair(-b.originY, b.originX);
    });
    return sectors;
}

} // namespace

std::vector<AtlasSector> chooseSectors(
    SectorChoice choice, const StarTable &stars, const AtlasNotes &notes, const std::vector<int> &route)
{
    switch (choice) {
    case SectorChoice::WithNotes: {
        std::vector<int> withNotes;
        for (int i = 0; i < stars.size(); ++i)
            if (notes.hasNotes(i))
                withNotes.push_back(i);
        return coverStars(stars, withNotes);
    }
    case SectorChoice::AlongRoute:
        return coverStars(stars, route);
    case SectorChoice::WholeCatalogue:
        return tiles(stars);
    }
    return {};
}

bool sectorShows(const AtlasSector &sector, const StarTable &stars, int star)
{
    return stars.contains(star) && inSector(stars[star], viewOf(sector));
}

QString sectorName(const AtlasSector &sector)
{
    return QStringLiteral("X %1 to %2, Y %3 to %4")
        .arg(sector.originX)
        .arg(sector.originX + 15)
        .arg(sector.originY)
        .arg(sector.originY + 15);
}
