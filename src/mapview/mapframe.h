#pragma once

#include "mapview/surface.h"

#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

// A click area on the map with the star it belongs to, in map units.
struct HitArea
{
    int star = -1;
    QRectF rect;
    QString toolTip;
};

// What a redraw leaves on the controls: the visible star markers with their tooltips and the click
// areas over the star list rows. The Stellar Index works out its own marks from the same model.
struct MapFrame
{
    // Star markers: left, top and width as placed by the star pass; the height of a marker is a
    // physical size (kMarkerHeightTwips) that the window converts to map units.
    std::vector<HitArea> markers;
    std::vector<HitArea> listRows;
    std::vector<int> unnamed; // stars in the sector whose names found no free place, with star names shown

    static constexpr int kMarkerHeightTwips = 210;
};
