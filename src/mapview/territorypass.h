#pragma once

#include "mapview/colour.h"

#include <QtGlobal>

struct MapModel;
class Surface;

// The polities' territory on the map's plane (Z = 0, or through the selected star as the 3D View's
// plane option says): each territory tinted lightly in its polity's colour in the sector and on the
// mini-map, the borders as lines in that colour, neutral ground hatched, and below the grid a
// legend naming the polities shown. Draws nothing unless territories are shown.
void drawTerritory(const MapModel &model, Surface &surface);

// A polity's colour (0xRRGGBB) as the surface's packed colour; darkened for ink on white paper
// when `onWhite`, so that light colours still read there.
Colour polityColour(quint32 rgb, bool onWhite);

// The height of the plane the map shows territory on.
double territoryPlaneZ(const MapModel &model);
