#pragma once

#include "mapview/surface.h"

struct MapModel;

// Reach links and the plotted route on the sector map, drawn between the grid and the stars so the
// dots stay on top; a ring marks the route's destination in the sector and on the mini-map. Draws nothing while links
// are off and no route is plotted, and leaves the surface's attributes as it found them.
void drawTravel(const MapModel &model, Surface &surface);
