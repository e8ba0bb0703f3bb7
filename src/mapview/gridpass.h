#pragma once

#include "mapview/colour.h"

class Surface;
struct MapModel;
struct ViewState;

// The first half of every redraw: background, panels, circles, the sector grid and its labels.
// Leaves drawStyle 0, drawWidth 1 and fontSize textScale * 10 on the surface.
void drawGrid(const MapModel &model, Surface &surface);

// A circle of `radius` light years around the whole-light-year point (x, y), plotted point by point
// on the sector map (clipped to the grid box) and on the mini-map (clipped inside its panel).
void plotCircle(const ViewState &view, qint32 x, qint32 y, float radius, Colour colour, Surface &surface);
