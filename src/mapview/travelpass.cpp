#include "mapview/travelpass.h"

#include "mapview/colours.h"
#include "mapview/lineclip.h"
#include "mapview/mapmodel.h"
#include "mapview/sectorgeometry.h"
#include "routes/pairdistances.h"

#include <QLineF>
#include <QRectF>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr int kLinkWidth = 1;
constexpr int kRouteWidth = 3;
constexpr int kDestinationWidth = 2;
constexpr double kDestinationRing = 3.2; // map units, just outside a selected star's ring
constexpr double kMiniRing = 1.2;

// A star in the sector may be plotted a little past the grid edge (stars sharing a cell are set
// apart), so the edge it reaches to is widened to take in the leg's ends that are in the sector:
// only the part of a leg outside the sector is cut off.
void drawLeg(Surface &surface, const MapModel &model, int a, int b, Colour colour)
{
    const StarRecord &from = (*model.stars)[a];
    const StarRecord &to = (*model.stars)[b];
    const QPointF p = sectorPoint(from, model.view);
    const QPointF q = sectorPoint(to, model.view);
    QRectF box = sectorBox();
    for (const auto &[star, at] : { std::pair(&from, p), std::pair(&to, q) })
        if (inSector(*star, model.view))
            box = QRectF(QPointF(std::min(box.left(), at.x()), std::min(box.top(), at.y())),
                QPointF(std::max(box.right(), at.x()), std::max(box.bottom(), at.y())));
    if (const auto part = clipToBox(QLineF(p, q), box))
        surface.drawLine(part->x1(), part->y1(), part->x2(), part->y2(), colour);
}

void drawLinks(const MapModel &model, Surface &surface)
{
    const ViewState &view = model.view;
    const StarTable &stars = *model.stars;
    std::vector<int> shown;
    std::vector<QPointF> at;
    for (int i = 0; i < stars.size(); ++i) {
        const double toSelected = view.selectedStar >= 0 ? model.distances(i, view.selectedStar) : -1.0;
        if (shownInSector(stars[i], toSelected, view)) {
            shown.push_back(i);
            at.push_back(sectorPoint(stars[i], view));
        }
    }
    // Both ends are dots on the map: nothing to clip.
    surface.drawWidth = kLinkWidth;
    for (size_t a = 0; a < shown.size(); ++a)
        for (size_t b = a + 1; b < shown.size(); ++b)
            if (model.distances(shown[a], shown[b]) <= model.campaign.travel.jumpLimit)
                surface.drawLine(at[a].x(), at[a].y(), at[b].x(), at[b].y(), colours::kLink);
}

// The destination: a ring round its dot in the sector and round its point on the mini-map.
void drawDestination(const MapModel &model, Surface &surface, int star)
{
    const StarRecord &to = (*model.stars)[star];
    const Surface::Fill oldFill = surface.fillStyle;
    surface.fillStyle = Surface::Fill::Transparent;
    surface.drawWidth = kDestinationWidth;
    if (inSector(to, model.view)) {
        const QPointF at = sectorPoint(to, model.view);
        surface.drawCircle(at.x(), at.y(), kDestinationRing, colours::kRoute);
    }
    constexpr double kMiniScale = 25.0 / 70.0;
    surface.drawWidth = 1;
    surface.drawCircle((to.x + 35) * kMiniScale + 5, (35 - to.y) * kMiniScale + 2, kMiniRing, colours::kRoute);
    surface.fillStyle = oldFill;
}

void drawRoute(const MapModel &model, Surface &surface)
{
    const std::vector<int> &route = model.campaign.travel.route;
    if (route.size() < 2)
        return;
    surface.drawWidth = kRouteWidth;
    for (size_t k = 1; k < route.size(); ++k)
        drawLeg(surface, model, route[k - 1], route[k], colours::kRoute);
    drawDestination(model, surface, route.back());
}

} // namespace

void drawTravel(const MapModel &model, Surface &surface)
{
    if (!model.view.showLinks && model.campaign.travel.route.empty())
        return;
    const int oldWidth = surface.drawWidth;
    const int oldStyle = surface.drawStyle;
    surface.drawStyle = 0;
    if (model.view.showLinks)
        drawLinks(model, surface);
    drawRoute(model, surface);
    surface.drawWidth = oldWidth;
    surface.drawStyle = oldStyle;
}
