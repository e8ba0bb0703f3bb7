#include "mapview/heightmark.h"

#include "mapview/colours.h"
#include "mapview/sectorgeometry.h"
#include "mapview/viewstate.h"

#include <algorithm>
#include <cmath>

namespace {

// Small beside the 9-point list and 10-point grid labels, still legible on paper.
constexpr double kHeightPoints = 6.0;
// The gap between the dot's edge and the label, in map units.
constexpr double kGap = 0.4;

// How far a label may reach past the grid's west or east edge, short of the co-ordinate labels there.
constexpr double kEdgeRoom = 2.0;

enum class Place { Right, Left, Under, Over };

} // namespace

QString heightLabel(int z)
{
    return z > 0 ? QStringLiteral("+%1").arg(z) : QString::number(z);
}

QRectF drawHeightMark(const ViewState &view, Surface &surface, QPointF dot, double dotRadius, int z, bool left,
    bool shifted, double ringRadius)
{
    const Colour foreColor = surface.foreColor;
    const double fontSize = surface.fontSize;
    const bool bold = surface.fontBold;
    surface.foreColor = view.printerMode ? colours::kBlack : colours::kWhite;
    surface.fontSize = view.textScale * kHeightPoints;
    surface.fontBold = false;
    const QString text = heightLabel(z);
    const double width = surface.textWidth(text);
    const QRectF box = sectorBox();
    if (ringRadius > 0.0) {
        // On the diagonal, where neither the ring nor the cross hairs' lines run.
        const double out = ringRadius * std::sqrt(0.5) + kGap;
        const bool east = dot.x() + out + width > box.right();
        surface.currentX = east ? dot.x() - out - width : dot.x() + out;
        surface.currentY = dot.y() - out - surface.textHeight(text);
    } else {
        // A label at the right of a dot on the sector's east edge would run into the grid's labels. A star alone in
        // its cell takes it under the dot (at its left it could meet the label of a star one light year west); a
        // shifted star at its left, unless star ID numbers are on and its cell-mate's number stands there: then
        // over the dot, as its own number stands under it. On the west edge a label at the left goes to the right
        // when no number stands there, else under the dot. Under the dot on the bottom row becomes over it.
        const double height = surface.textHeight(text);
        const double rightX = dot.x() + dotRadius + kGap;
        const double leftX = dot.x() - dotRadius - kGap - width;
        Place place = left ? Place::Left : Place::Right;
        if (place == Place::Right && rightX + width > box.right())
            place = !shifted ? Place::Under : (view.showStarNumbers ? Place::Over : Place::Left);
        else if (place == Place::Left && leftX < box.left())
            place = view.showStarNumbers ? Place::Under : Place::Right;
        const double under = dot.y() + dotRadius + kGap;
        if (place == Place::Under && under + height > box.bottom())
            place = Place::Over;
        switch (place) {
        case Place::Right:
        case Place::Left:
            surface.currentX = place == Place::Left ? leftX : rightX;
            surface.currentY = dot.y() - height / 2;
            break;
        case Place::Under:
        case Place::Over:
            // Centred on the dot, but no further past the grid's edge than the labels beside it leave room for.
            surface.currentX = std::clamp(dot.x() - width / 2, box.left() - kEdgeRoom, box.right() + kEdgeRoom - width);
            surface.currentY = place == Place::Under ? under : dot.y() - dotRadius - kGap - height;
            break;
        }
    }
    const QRectF printed(surface.currentX, surface.currentY, width, surface.textHeight(text));
    surface.drawText(text);
    surface.foreColor = foreColor;
    surface.fontSize = fontSize;
    surface.fontBold = bold;
    return printed;
}
