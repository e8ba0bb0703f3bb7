#include "mapview/starpass.h"

#include "catalogue/stardistance.h"
#include "common/textnumber.h"
#include "mapview/colours.h"
#include "mapview/heightmark.h"
#include "mapview/keypanel.h"
#include "mapview/mapmodel.h"
#include "mapview/namepass.h"
#include "mapview/primitives.h"
#include "mapview/sectorgeometry.h"
#include "mapview/starlist.h"

namespace {

// Mini-map: 25 map units for the 70 light years from -35 to +35.
constexpr double kMiniScale = 25.0 / 700.0;
constexpr double kDotRadius = 2.0 * 0.75;
constexpr double kRingRadius = 3.0; // the cross hairs' ring around the selected star

// The mini-map point of star i, and the red lines through it when it is the selected star.
void drawMiniMapPoint(const MapModel &model, Surface &surface, qint32 i, double distance)
{
    const ViewState &view = model.view;
    const StarRecord &star = (*model.stars)[i];
    surface.drawWidth = 3;
    const double mx = (star.x + 35) * kMiniScale * 10 + 5;
    const double my = (35 - star.y) * kMiniScale * 10 + 2;
    if (distance <= view.rangeHigh)
        surface.drawPoint(mx, my, starColour(model, i));
    else if (view.greyOutOfRange)
        surface.drawPoint(mx, my, colours::kGrey);
    if (i == view.selectedStar && view.showCrossHairs) {
        surface.drawWidth = 1;
        surface.drawLine(mx, 2, mx, 27, colours::kRed);
        surface.drawLine(5, my, 30, my, colours::kRed);
    }
}

void drawSectorBox(const ViewState &view, Surface &surface)
{
    surface.drawWidth = 1;
    surface.foreColor = view.printerMode ? colours::kBlue : colours::kGrey;
    const double bx = (view.originX + 35) * kMiniScale * 10 + 5;
    const double by = (20 - view.originY) * kMiniScale * 10 + 2;
    const double side = common::roundHalfEven(150 * kMiniScale);
    surface.drawLine(bx, by, bx + side, by + side, surface.foreColor, Surface::Shape::Box);
}

void drawLogo(const MapModel &model, Surface &surface)
{
    surface.foreColor = model.view.printerMode ? colours::kBlack : colours::kWhite;
    const QImage &logo = model.view.printerMode ? model.logoNegative : model.logo;
    if (!logo.isNull())
        surface.drawPicture(logo, 31, 1, 36.5, 10.5);
}

// The first star of a shared cell is nudged off its point and the next one's reference number
// stands at its right, where a height label would go.
bool numberAtRight(const StarRecord &star)
{
    return star.shifted == 0 && (qRound(star.plotX * 10) != star.x * 10 || qRound(star.plotY * 10) != star.y * 10);
}

// The dot of a listed star, its marker and, with star ID numbers, its reference number. The dot and
// the labels beside it go into `marks` for the names.
HitArea drawStar(
    const MapModel &model, Surface &surface, qint32 i, double distance, const QString &ref, SectorMarks &marks)
{
    const ViewState &view = model.view;
    const StarRecord &star = (*model.stars)[i];
    const QPointF s = sectorPoint(star, view);

    surface.foreColor = view.printerMode ? colours::kBlack : colours::kGrey;
    surface.fillStyle = Surface::Fill::Solid;
    surface.fillColor = distance <= view.rangeHigh ? starColour(model, i) : colours::kGrey;
    surface.drawCircle(s.x(), s.y(), kDotRadius);
    marks.dots.push_back({ i, s });
    if (view.showHeight) {
        const bool ringed = i == view.selectedStar && view.showCrossHairs;
        marks.labels.push_back(drawHeightMark(
            view, surface, s, kDotRadius, star.z, numberAtRight(star), star.shifted != 0, ringed ? kRingRadius : 0.0));
    }

    const double top = s.y() - 2;
    const double left = s.x() - 2;
    if (view.showStarNumbers) {
        const QString t = ref.trimmed();
        const double x = s.x() - surface.textWidth(t) / 2;
        const double y = star.shifted != 0 ? top + surface.textHeight(t) : top - surface.textHeight(t);
        const auto printedX = static_cast<qint32>(common::roundHalfEven(x));
        const auto printedY = static_cast<qint32>(common::roundHalfEven(y));
        printText(surface, t, printedX, printedY, TextColour::keep(), QString(), 0, false, 0);
        marks.labels.emplace_back(printedX, printedY, surface.textWidth(t), surface.textHeight(t));
    }
    return { i, QRectF(left, top, 4, 0), starTooltip(model, i) };
}

} // namespace

MapFrame drawStars(const MapModel &model, Surface &surface)
{
    const ViewState &view = model.view;
    const StarTable &stars = *model.stars;
    MapFrame frame;

    for (qint32 i = 0; i < stars.size(); ++i)
        drawMiniMapPoint(model, surface, i, starDistance(stars, i, view.selectedStar));

    drawSectorBox(view, surface);
    drawLogo(model, surface);
    drawPanels(model, surface);
    StarList list(model, surface);

    int listed = 0;
    SectorMarks marks;
    for (qint32 i = 0; i < stars.size(); ++i) {
        const double distance = starDistance(stars, i, view.selectedStar);
        if (!shownInSector(stars[i], distance, view))
            continue;
        const int k = ++listed;
        const QString ref = common::formatWhole(k);
        frame.listRows.push_back(list.drawRow(i, k, ref));
        frame.markers.push_back(drawStar(model, surface, i, distance, ref, marks));
    }

    drawCrossHairs(model, surface);
    drawNotesMarks(model, surface, marks);
    frame.unnamed = drawNames(model, surface, marks);
    surface.fillStyle = Surface::Fill::Transparent;
    surface.foreColor = colours::kBlack;
    return frame;
}

void drawCrossHairs(const MapModel &model, Surface &surface)
{
    const ViewState &view = model.view;
    if (!view.showCrossHairs || view.selectedStar == -1)
        return;
    const StarRecord &star = (*model.stars)[view.selectedStar];
    const QPointF s = sectorPoint(star, view);
    const double sx = s.x();
    const double sy = s.y();
    surface.fillStyle = Surface::Fill::Transparent;
    surface.drawWidth = 1;

    const bool xIn = inRange(view.originX, view.originX + 15, star.x);
    const bool yIn = inRange(view.originY, view.originY + 15, star.y);
    if (xIn && yIn) {
        surface.drawCircle(sx, sy, kRingRadius, colours::kRed);
        surface.drawLine(sx, 28.1, sx, sy - kRingRadius, colours::kRed);
        surface.drawLine(sx, sy + kRingRadius, sx, 197.5, colours::kRed);
        surface.drawLine(5.1, sy, sx - kRingRadius, sy, colours::kRed);
        surface.drawLine(sx + kRingRadius, sy, 174.5, sy, colours::kRed);
    } else if (xIn) {
        surface.drawLine(sx, 28.1, sx, 197.5, colours::kRed);
    } else if (yIn) {
        surface.drawLine(5.1, sy, 174.5, sy, colours::kRed);
    }
}
