#pragma once

#include "mapview/surface.h"

#include <QPointF>
#include <QString>

struct ViewState;

// The map is seen from above, so a star's height above or below the plane (its Z) is written
// beside its dot when "Show height" is on: a small signed number to the right of the dot, or to
// its left (`left`) where another star's reference number stands at its right; on the sector's east edge
// under the dot, or for a star `shifted` within a shared cell at its left.
// The surface's colour and font are left as they were.
void drawHeightMark(
    const ViewState &view, Surface &surface, QPointF dot, double dotRadius, int z, bool left, bool shifted);

// The label for a height: "+9", "-3", "0".
QString heightLabel(int z);
