#include "atlas/sectorpage.h"

#include "mapview/mapmodel.h"
#include "mapview/redraw.h"

MapModel sectorModel(const MapModel &shown, const AtlasSector &sector)
{
    MapModel page = shown;
    page.view.originX = sector.originX;
    page.view.originY = sector.originY;
    page.view.clampOrigin();
    page.view.textScale = 1.0;
    return page;
}

void drawSectorPage(const MapModel &shown, const AtlasSector &sector, Surface &surface)
{
    drawMap(sectorModel(shown, sector), surface);
}
