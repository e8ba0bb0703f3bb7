#include "mapview/namepass.h"

#include "mapview/colours.h"
#include "mapview/mapmodel.h"
#include "mapview/nameplacer.h"
#include "mapview/sectorgeometry.h"

#include <QLineF>

#include <algorithm>
#include <array>
#include <tuple>

namespace {

constexpr double kNamePoints = 7.0;
// The radius of a star's dot on the sector map, and the rings round some of them.
constexpr double kDotRadius = 1.5;
constexpr double kNotesRing = 2.3;
constexpr double kSelectedRing = 3.0; // the cross hairs' ring
constexpr double kDestinationRing = 3.2; // the route's end

// How far from its dot's centre a star's name keeps: clear of its dot and of any ring round it.
double clearance(const MapModel &model, int star)
{
    const ViewState &view = model.view;
    double radius = kDotRadius;
    if (view.markNotes && model.notes.hasNotes(star))
        radius = kNotesRing;
    if (star == view.selectedStar && view.showCrossHairs)
        radius = kSelectedRing;
    const std::vector<int> &route = model.campaign.travel.route;
    if (route.size() > 1 && star == route.back())
        radius = kDestinationRing;
    return radius;
}

// The bands of the sector panel the grid's co-ordinate labels stand in, centred on the lines the grid
// pass centres them on, in its font: names may use the margin between them and the grid.
std::array<QRectF, 4> labelBands(Surface &surface, const ViewState &view)
{
    const double fontSize = surface.fontSize;
    surface.fontSize = view.textScale * 10;
    const double h = surface.textHeight(QStringLiteral("+00")) / 2 + 0.5;
    const double w
        = std::max(surface.textWidth(QStringLiteral("+00")), surface.textWidth(QStringLiteral("-00"))) / 2 + 1.0;
    surface.fontSize = fontSize;
    const QRectF panel = sectorPanel();
    return { QRectF(QPointF(panel.left(), panel.top()), QPointF(panel.right(), 31 + h)),
        QRectF(QPointF(panel.left(), 195 - h), QPointF(panel.right(), panel.bottom())),
        QRectF(QPointF(panel.left(), panel.top()), QPointF(8.5 + w, panel.bottom())),
        QRectF(QPointF(171.5 - w, panel.top()), QPointF(panel.right(), panel.bottom())) };
}

Colour nameColour(const ViewState &view)
{
    return view.printerMode ? colours::kBlack : colours::kWhite;
}

} // namespace

std::vector<int> namingOrder(const MapModel &model, const std::vector<SectorMarks::Dot> &dots)
{
    const ViewState &view = model.view;
    const std::vector<int> &route = model.campaign.travel.route;
    const QPointF centre = sectorBox().center();
    struct Rank
    {
        int group; // 0 selected, 1 second, 2 route, 3 notes, 4 the rest
        double key; // route position, or distance
        int star;
        bool operator<(const Rank &other) const
        {
            return std::tie(group, key, star) < std::tie(other.group, other.key, other.star);
        }
    };
    std::vector<Rank> ranks;
    ranks.reserve(dots.size());
    for (const SectorMarks::Dot &dot : dots) {
        const int star = dot.star;
        const auto stop = std::find(route.begin(), route.end(), star);
        if (star == view.selectedStar)
            ranks.push_back({ 0, 0.0, star });
        else if (star == view.secondStar)
            ranks.push_back({ 1, 0.0, star });
        else if (stop != route.end())
            ranks.push_back({ 2, static_cast<double>(stop - route.begin()), star });
        else {
            const double distance = view.selectedStar >= 0 ? model.distances(star, view.selectedStar)
                                                           : QLineF(dot.centre, centre).length();
            ranks.push_back({ model.notes.hasNotes(star) ? 3 : 4, distance, star });
        }
    }
    std::sort(ranks.begin(), ranks.end());
    std::vector<int> order;
    order.reserve(ranks.size());
    for (const Rank &rank : ranks)
        order.push_back(rank.star);
    return order;
}

void drawNotesMarks(const MapModel &model, Surface &surface, SectorMarks &marks)
{
    if (!model.view.markNotes)
        return;
    const Surface::Fill fillStyle = surface.fillStyle;
    const int drawWidth = surface.drawWidth;
    surface.fillStyle = Surface::Fill::Transparent;
    surface.drawWidth = 1;
    for (const SectorMarks::Dot &dot : marks.dots)
        if (model.notes.hasNotes(dot.star))
            surface.drawCircle(dot.centre.x(), dot.centre.y(), kNotesRing, nameColour(model.view));
    surface.fillStyle = fillStyle;
    surface.drawWidth = drawWidth;
}

std::vector<int> drawNames(const MapModel &model, Surface &surface, const SectorMarks &marks)
{
    const ViewState &view = model.view;
    if (!view.showStarNames)
        return {};
    const Colour foreColor = surface.foreColor;
    const double fontSize = surface.fontSize;
    const bool bold = surface.fontBold;
    const int drawWidth = surface.drawWidth;
    surface.fontSize = view.textScale * kNamePoints;
    surface.fontBold = false;
    surface.drawWidth = 1;
    surface.foreColor = nameColour(view);

    NamePlacer placer(sectorPanel());
    for (const QRectF &band : labelBands(surface, view))
        placer.take(band);
    for (const SectorMarks::Dot &dot : marks.dots)
        placer.takeDot(dot.star, dot.centre, clearance(model, dot.star));
    for (const QRectF &label : marks.labels)
        placer.take(label);

    std::vector<int> leftOut;
    for (const int star : namingOrder(model, marks.dots)) {
        const auto at = std::find_if(
            marks.dots.begin(), marks.dots.end(), [star](const SectorMarks::Dot &dot) { return dot.star == star; });
        const QString name = (*model.stars)[star].starName.trimmed();
        const QSizeF size(surface.textWidth(name), surface.textHeight(name));
        // Round the cross hairs' ring the name stands on a diagonal, clear of their lines.
        const bool ringed = star == view.selectedStar && view.showCrossHairs;
        const std::optional<PlacedName> placed = placer.place(star, at->centre, clearance(model, star), size, ringed);
        if (!placed) {
            leftOut.push_back(star);
            continue;
        }
        if (placed->leader) {
            const QLineF &line = *placed->leader;
            surface.drawLine(line.x1(), line.y1(), line.x2(), line.y2(), surface.foreColor);
        }
        surface.currentX = placed->rect.left();
        surface.currentY = placed->rect.top();
        surface.drawText(name);
    }
    surface.foreColor = foreColor;
    surface.fontSize = fontSize;
    surface.fontBold = bold;
    surface.drawWidth = drawWidth;
    return leftOut;
}
