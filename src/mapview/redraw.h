#pragma once

#include "mapview/mapframe.h"

#include <optional>

struct MapModel;
class Surface;

// The redraw of the map (refreshMap without its window), in two halves so that the window
// can put up the busy pointer only around the drawing:
// beginRedraw reads the display options into the view state and clamps the origin. The very
// first call only hides the logo box and returns false: nothing is drawn then.
bool beginRedraw(MapModel &model);
// The grid pass and the star pass on the surface.
MapFrame drawMap(const MapModel &model, Surface &surface);
// Both halves.
std::optional<MapFrame> redrawMap(MapModel &model, Surface &surface);
