#include "mapview/heightmark.h"

#include "mapview/colours.h"
#include "mapview/sectorgeometry.h"
#include "mapview/viewstate.h"

namespace {

// Small beside the 9-point list and 10-point grid labels, still legible on paper.
constexpr double kHeightPoints = 6.0;
// The gap between the dot's edge and the label, in map units.
constexpr double kGap = 0.4;

} // namespace

QString heightLabel(int z)
{
    return z > 0 ? QStringLiteral("+%1").arg(z) : QString::number(z);
}

void drawHeightMark(
    const ViewState &view, Surface &surface, QPointF dot, double dotRadius, int z, bool left, bool shifted)
{
    const Colour foreColor = surface.ForeColor;
    const double fontSize = surface.FontSize;
    const bool bold = surface.FontBold;
    surface.ForeColor = view.printerMode ? colours::kBlack : colours::kWhite;
    surface.FontSize = view.textScale * kHeightPoints;
    surface.FontBold = false;
    const QString text = heightLabel(z);
    const double width = surface.TextWidth(text);
    // A label at the right of a dot on the sector's east edge would run into the grid's labels. A star alone in
    // its cell takes it under the dot (at its left it could meet the label of a star one light year west); a
    // shifted star at its left, unless star ID numbers are on and its cell-mate's number stands there.
    const bool pastEdge = !left && dot.x() + dotRadius + kGap + width > sectorBox().right();
    if (pastEdge && !shifted) {
        surface.CurrentX = dot.x() - width / 2;
        surface.CurrentY = dot.y() + dotRadius + kGap;
    } else {
        left = left || (pastEdge && !view.showStarNumbers);
        surface.CurrentX = left ? dot.x() - dotRadius - kGap - width : dot.x() + dotRadius + kGap;
        surface.CurrentY = dot.y() - surface.TextHeight(text) / 2;
    }
    surface.Print(text);
    surface.ForeColor = foreColor;
    surface.FontSize = fontSize;
    surface.FontBold = bold;
}
