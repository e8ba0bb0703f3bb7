#include "atlas/sectorchoice.h"

#include "atlas/atlasnotes.h"
#include "catalogue/startable.h"
#include "mapview/sectorgeometry.h"

#include <algorithm>

namespace {

// A sector spans 16 whole co-ordinates (origin to origin + 15): tiles that far apart show every
// star once.
constexpr int kTileStep = 16;

ViewState viewOf(const AtlasSector &sector)
{
    ViewState view;
    view.originX = sector.originX;
    view.originY = sector.originY;
    return view;
}

// Sectors centred on the stars as a click on each would centre the map, skipping stars a chosen
// sector already shows.
std::vector<AtlasSector> coverStars(const StarTable &stars, const std::vector<int> &chosen)
{
    std::vector<AtlasSector> sectors;
    for (const int star : chosen) {
        if (!stars.contains(star))
            continue;
        const bool shown = std::any_of(
            sectors.begin(), sectors.end(), [&](const AtlasSector &s) { return sectorShows(s, stars, star); });
        if (shown)
            continue;
        ViewState view;
        view.originX = stars[star].x - 7;
        view.originY = stars[star].y - 7;
        view.clampOrigin();
        sectors.push_back({ view.originX, view.originY });
    }
    return sectors;
}

// Where the tiles along one axis start: as many as the stars' extent needs, centred on it, and
// kept inside the origins a map can take so that no tile has to be moved onto its neighbour.
std::vector<int> tileStarts(int lowest, int highest)
{
    const int count = (highest - lowest) / kTileStep + 1;
    ViewState limits;
    limits.originX = -1000;
    limits.clampOrigin();
    const int minOrigin = limits.originX;
    limits.originX = 1000;
    limits.clampOrigin();
    const int maxOrigin = limits.originX;
    const int centred = lowest - (count * kTileStep - (highest - lowest + 1)) / 2;
    const int first = std::max(minOrigin, std::min(centred, maxOrigin - (count - 1) * kTileStep));
    std::vector<int> starts;
    for (int k = 0; k < count; ++k)
        starts.push_back(std::min(first + k * kTileStep, maxOrigin));
    return starts;
}

std::vector<AtlasSector> tiles(const StarTable &stars)
{
    if (stars.size() == 0)
        return {};
    const auto [minX, maxX] = std::minmax_element(
        stars.stars().begin(), stars.stars().end(), [](const StarRecord &a, const StarRecord &b) { return a.x < b.x; });
    const auto [minY, maxY] = std::minmax_element(
        stars.stars().begin(), stars.stars().end(), [](const StarRecord &a, const StarRecord &b) { return a.y < b.y; });
    const std::vector<int> columns = tileStarts(minX->x, maxX->x);
    std::vector<int> rows = tileStarts(minY->y, maxY->y);
    std::reverse(rows.begin(), rows.end()); // north to south, then west to east, as a road atlas runs
    std::vector<AtlasSector> sectors;
    for (const int y : rows) {
        for (const int x : columns) {
            const AtlasSector sector { x, y };
            const bool holdsStar = std::any_of(stars.stars().begin(), stars.stars().end(),
                [&](const StarRecord &star) { return inSector(star, viewOf(sector)); });
            if (holdsStar && std::find(sectors.begin(), sectors.end(), sector) == sectors.end())
                sectors.push_back(sector);
        }
    }
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
