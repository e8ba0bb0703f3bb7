#pragma once

#include <QPointF>
#include <QRectF>

#include <vector>

struct MapModel;
class Surface;

// What the star pass drew in the sector, for the names that follow it: the stars with their dots'
// centres, and the boxes of the small labels beside them (reference numbers, heights).
struct SectorMarks
{
    struct Dot
    {
        int star;
        QPointF centre;
    };
    std::vector<Dot> dots;
    std::vector<QRectF> labels;
};

// The order the names of the sector's stars are set in, most wanted first: the selected star, the
// second star, the route's stops in route order, the stars with notes, then the rest, nearest to
// the selected star first (to the sector's centre when no star is selected).
std::vector<int> namingOrder(const MapModel &model, const std::vector<SectorMarks::Dot> &dots);

// With "Mark stars with notes": a ring round the dot of every star with notes; the rings join the
// marks. Draws nothing while the option is off.
void drawNotesMarks(const MapModel &model, Surface &surface, SectorMarks &marks);

// With "Show star names": each star of the sector named beside its dot inside the sector's panel,
// with a thin leader where the name stands away from it; no name covers another name, a dot, a
// label, the grid's co-ordinate labels or anything outside the panel (keys, list). Returns the stars whose names found
// no free place and were left out. Leaves the surface's colour, font and line width as they were.
std::vector<int> drawNames(const MapModel &model, Surface &surface, const SectorMarks &marks);
