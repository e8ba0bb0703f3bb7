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

// Which sectors get a page. Each choice names stars to show; they are shown on as few sectors as a
// greedy cover finds (again and again the sector showing the most stars not yet shown), each sector
// centred on the stars it was chosen for.
enum class SectorChoice {
    WithNotes, // the stars with notes in the edition, in catalogue order
    AlongRoute, // the stars of the plotted route, in route order
    WholeCatalogue, // every star, the sectors north to south, then west to east
};

std::vector<AtlasSector> chooseSectors(
    SectorChoice choice, const StarTable &stars, const AtlasNotes &notes, const std::vector<int> &route);

// Whether the sector's map shows the star.
bool sectorShows(const AtlasSector &sector, const StarTable &stars, int star);
// "X -7 to 8, Y -7 to 8".
QString sectorName(const AtlasSector &sector);
