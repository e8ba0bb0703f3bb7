#pragma once

struct MapModel;
class Surface;

// The first half of every redraw: background, panels, circles, the sector grid and its labels.
void drawgrid(const MapModel &model, Surface &surface);
