#pragma once

#include "catalogue/starrec.h"
#include "mapview/primitives.h"
#include "mapview/viewstate.h"

#include <QPointF>
#include <QRectF>

// Where things fall on the sector map, shared by the passes that draw on it.

// The grid box the sector's 15 light years span, in map units.
inline QRectF sectorBox()
{
    return QRectF(QPointF(15, 38), QPointF(165, 188));
}

// The panel the sector map is drawn in: the grid, its co-ordinate labels and the margin between.
inline QRectF sectorPanel()
{
    return QRectF(QPointF(5.1, 28.1), QPointF(174.5, 197.5));
}

// Where a star's plotting position falls on the sector map.
inline QPointF sectorPoint(const StarRecord &star, const ViewState &view)
{
    const float sx = (star.plotX - static_cast<float>(view.originX) + 1.0f) * 10.0f + 5.0f;
    const float sy = (16.0f - (star.plotY - static_cast<float>(view.originY))) * 10.0f + 28.0f;
    return { sx, sy };
}

inline bool inSector(const StarRecord &star, const ViewState &view)
{
    return inRange(view.originX, view.originX + 15, star.x) && inRange(view.originY, view.originY + 15, star.y);
}

// A star the star pass draws: in the sector, and within range of the selected star unless stars
// out of range are shown in grey.
inline bool shownInSector(const StarRecord &star, double distanceToSelected, const ViewState &view)
{
    return inSector(star, view) && (distanceToSelected <= view.rangeHigh || view.greyOutOfRange);
}
