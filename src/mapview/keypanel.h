#pragma once

#include "mapview/surface.h"

#include <QString>

#include <vector>

struct MapModel;

// One entry of a colour key: its caption and the colour of its dot.
struct KeyEntry
{
    QString caption;
    Colour colour;
};

// The colour key of a colour-code mode: its title, the number of parts the key width is divided
// into, and its entries (one per slot from the first). An unknown mode has no title and no entries.
struct ColourKey
{
    QString title;
    int divisions = 0;
    std::vector<KeyEntry> entries;
};

ColourKey colourKeyFor(int colourCode);

// The sector line of the title panel: "X -07 to +08  Y -07 to +08  Z -40 to +40".
QString sectorLine(qint32 originX, qint32 originY, qint32 rangeLow, qint32 rangeHigh);

// The two panels under the logo: their boxes, the title panel (sector and selected star) and the
// key panel of the current colour code. Leaves the panel text colour as foreColor and fillStyle solid.
void drawPanels(const MapModel &model, Surface &surface);
