#include "mapview/redraw.h"

#include "mapview/gridpass.h"
#include "mapview/mapmodel.h"
#include "mapview/starpass.h"
#include "mapview/territorypass.h"
#include "mapview/travelpass.h"

bool beginRedraw(MapModel &model)
{
    model.options.readInto(model.view);
    model.view.clampOrigin();
    if (model.logoBoxVisible) {
        model.logoBoxVisible = false;
        return false;
    }
    return true;
}

MapFrame drawMap(const MapModel &model, Surface &surface)
{
    drawGrid(model, surface);
    drawTerritory(model, surface);
    drawTravel(model, surface);
    return drawStars(model, surface);
}

std::optional<MapFrame> redrawMap(MapModel &model, Surface &surface)
{
    if (!beginRedraw(model))
        return std::nullopt;
    return drawMap(model, surface);
}
