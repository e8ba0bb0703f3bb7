#pragma once

#include "atlas/sectorchoice.h"

class Surface;
struct MapModel;

// The model a sector page is drawn from: the map as shown, moved to the sector, at the printer's
// text scale.
MapModel sectorModel(const MapModel &shown, const AtlasSector &sector);

// Draws one sector of the atlas with the passes Print Map draws with: grid, route and stars, in
// the display mode of `shown`.
void drawSectorPage(const MapModel &shown, const AtlasSector &sector, Surface &surface);
