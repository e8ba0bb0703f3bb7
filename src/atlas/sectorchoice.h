#pragma once

#include <QString>

#include <vector>

class AtlasNotes;
class StarTable;
struct ViewState;

// One 15 x 15 light-year sector of the atlas, by the origin the map would be drawn at.
struct AtlasSector
{
    int originX = 0;
    int originY = 0;
    bool operator==(const AtlasSector &other) const { return originX == other.originX && originY == other.originY; }
};

// Which sectors get a page.
enum class SectorChoice {
    WithNotes, // each star with notes in the edition, in a sector centred on it unless one already shows it
    AlongRoute, // the same for the stars of the plotted route, in route order
    WholeCatalogue, // every sector of a tiling of the catalogue that holds a star
};

std::vector<AtlasSector> chooseSectors(
    SectorChoice choice, const StarTable &stars, const AtlasNotes &notes, const std::vector<int> &route);

// Whether the sector's map shows the star.
bool sectorShows(const AtlasSector &sector, const StarTable &stars, int star);
// "X -7 to 8, Y -7 to 8".
QString sectorName(const AtlasSector &sector);
