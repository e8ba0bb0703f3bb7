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

// Where a star's plotting position falls on the sector map.
inline QPointF sectorPoint(const starrec &star, const ViewState &view)
{
    const float sx = (star.mapx - static_cast<float>(view.xorg) + 1.0f) * 10.0f + 5.0f;
    const float sy = (16.0f - (star.mapy - static_cast<float>(view.yorg))) * 10.0f + 28.0f;
    return { sx, sy };
}

inline bool inSector(const starrec &star, const ViewState &view)
{
    return inrange(view.xorg, view.xorg + 15, star.starx) && inrange(view.yorg, view.yorg + 15, star.stary);
}

// A star the star pass draws: in the sector, and within range of the selected star unless stars
// out of range are shown in grey.
inline bool shownInSector(const starrec &star, double distanceToSelected, const ViewState &view)
{
    return inSector(star, view) && (distanceToSelected <= view.hirange || view.greyflag);
}
