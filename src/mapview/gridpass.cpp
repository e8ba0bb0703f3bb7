#include "mapview/gridpass.h"

#include "mapview/mapmodel.h"
#include "mapview/surface.h"

void drawgrid(const MapModel &model, Surface &surface)
{
    const bool light = model.view.wysflag;
    if (surface.isPrinter()) {
        if (!light)
            surface.Line(0, 0, surface.ScaleWidth(), surface.ScaleHeight(), 0, Surface::Shape::FilledBox);
    } else {
        surface.BackColor = light ? 0xFFFFFF : 0;
        surface.Cls();
    }
    surface.DrawStyle = 0;
    surface.DrawWidth = 1;
    surface.FontSize = model.view.fscale * 10;
}
