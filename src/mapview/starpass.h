#pragma once

#include "mapview/mapframe.h"

struct MapModel;
class Surface;

// The second half of every redraw: mini-map, logo, panels, star list, star dots, markers and
// cross hairs. Returns what the windows apply to their controls. Ends with fillStyle transparent
// and foreColor black on the surface.
MapFrame drawStars(const MapModel &model, Surface &surface);

// The red cross hairs around the selected star on the sector map: a small circle and four lines
// with a gap around the star when it lies in the sector, a single full line when it lies in the
// sector's column or row only, nothing otherwise or when cross hairs are off.
void drawCrossHairs(const MapModel &model, Surface &surface);
