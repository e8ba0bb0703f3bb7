#include "mapview/redraw.h"

#include "mapview/gridpass.h"
#include "mapview/mapmodel.h"
#include "mapview/starpass.h"
#include "mapview/travelpass.h"

bool beginRedraw(MapModel &model)
{
    model.options.readInto(model.view);
    model.view.clamporigin();
    if (model.logoBoxVisible) {
        model.logoBoxVisible = false;
        return false;
    }
    return true;
}

MapFrame drawMap(const MapModel &model, Surface &surface)
{
    drawgrid(model, surface);
    drawtravel(model, surface);
    return drawstars(model, surface);
}

std::optional<MapFrame> redrawMap(MapModel &model, Surface &surface)
{
    if (!beginRedraw(model))
        return std::nullopt;
    return drawMap(model, surface);
}
