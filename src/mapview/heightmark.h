#pragma once

#include "mapview/surface.h"

#include <QPointF>
#include <QRectF>
#include <QString>

struct ViewState;

// The map is seen from above, so a star's height above or below the plane (its Z) is written
// beside its dot when "Show height" is on: a small signed number to the right of the dot, or to
// its left (`left`) where another star's reference number stands at its right; on the sector's east edge
// under the dot, or for a star `shifted` within a shared cell at its left. A label that would reach past
// the sector's west edge, over the grid's co-ordinate labels, goes under the dot too. Around the
// selected star's ring (`ringRadius` above 0) the label stands at the ring's upper right, clear of the
// ring and the cross hairs (upper left on the east edge).
// The surface's colour and font are left as they were. Returns the box the label was printed in.
QRectF drawHeightMark(const ViewState &view, Surface &surface, QPointF dot, double dotRadius, int z, bool left,
    bool shifted, double ringRadius = 0.0);

// The label for a height: "+9", "-3", "0".
QString heightLabel(int z);
