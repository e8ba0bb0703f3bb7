#pragma once

#include "mapview/mapframe.h"

struct MapModel;
class Surface;

// The second half of every redraw: mini-map, logo, panels, star list, star dots, markers and
// cross hairs. Returns what the windows apply to their controls.
MapFrame drawstars(const MapModel &model, Surface &surface);
