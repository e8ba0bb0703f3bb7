#include "mapview/starpass.h"

#include "mapview/mapmodel.h"
#include "mapview/surface.h"

MapFrame drawstars(const MapModel &model, Surface &surface)
{
    MapFrame frame;
    frame.index.resize(static_cast<size_t>(model.stars->size()));
    surface.FillStyle = 1;
    surface.ForeColor = 0;
    return frame;
}
