#include "spaceview/scenepainter.h"

#include "routes/routetext.h"
#include "spaceview/labelplacer.h"
#include "spaceview/planepass.h"
#include "spaceview/scenecache.h"
#include "spaceview/scenelines.h"
#include "spaceview/scenepalette.h"
#include "spaceview/spaceprojection.h"
#include "spaceview/spacescene.h"
#include "spaceview/territoryshells.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double kDotRadius = 3.4; // at the distance of the point looked at
constexpr double kMinDotRadius = 1.8;
constexpr double kMaxDotRadius = 7.0;
constexpr double kFootHalf = 0.35; // light years each way of the foot mark's cross
constexpr double kMarkGap = 3.5; // between a dot and the ring marking the selected or second star
constexpr double kLabelGap = 2.0;
constexpr double kRouteStep = 5.0; // pixels between the squares that keep labels off the route
constexpr double kPickSlack = 3.0;
constexpr double kStereoHalfAngle = 3.0;
constexpr double kDefaultViewportHeight = 800.0;

// A star in front of the eye and within the radius filter, where it falls on the screen.
struct Shown
{
    int star;
    QPointF at;
    float depth;
    double radius;
};

std::vector<Shown> shownStars(const SpaceProjection &projection, const SpaceScene &scene, const SpaceOptions &options)
{
    const QVector3D centre = scene.centre();
    std::vector<Shown> shown;
    shown.reserve(scene.stars.size());
    for (int i = 0; i < int(scene.stars.size()); ++i) {
        const QVector3D &at = scene.stars[size_t(i)].at;
        if (options.radius > 0 && i != scene.selected && i != scene.second
            && at.distanceToPoint(centre) > float(options.radius))
            continue;
        const SpaceProjection::Point p = projection.project(at);
        if (!p.visible)
            continue;
        const double radius
            = std::clamp(kDotRadius * double(projection.targetDepth()) / double(p.depth), kMinDotRadius, kMaxDotRadius);
        shown.push_back({ i, p.at, p.depth, radius });
    }
    // Back to front, so nearer dots cover farther ones.
    std::stable_sort(shown.begin(), shown.end(), [](const Shown &a, const Shown &b) { return a.depth > b.depth; });
    return shown;
}

// Stalks from each star down or up to the plane, in the star's colour: solid above the plane, dashed
// below it, with a small cross where they meet it.
void drawStalks(QPainter &painter, const SpaceProjection &projection, const SpaceScene &scene,
    const std::vector<Shown> &shown, float plane, const ScenePalette &palette)
{
    struct Group
    {
        Colour colour;
        bool below;
        QVector<QLineF> lines;
    };
    std::vector<Group> groups;
    QVector<QLineF> feet;
    const auto add = [&](QVector<QLineF> &lines, const QVector3D &a, const QVector3D &b) {
        if (const auto line = projection.segment(a, b))
            lines.append(*line);
    };
    for (const Shown &s : shown) {
        const SceneStar &star = scene.stars[size_t(s.star)];
        const QVector3D foot(star.at.x(), star.at.y(), plane);
        const float k = float(kFootHalf);
        add(feet, foot - QVector3D(k, 0, 0), foot + QVector3D(k, 0, 0));
        add(feet, foot - QVector3D(0, k, 0), foot + QVector3D(0, k, 0));
        if (star.at.z() == plane)
            continue;
        const bool below = star.at.z() < plane;
        auto group = std::find_if(
            groups.begin(), groups.end(), [&](const Group &g) { return g.colour == star.colour && g.below == below; });
        if (group == groups.end())
            group = groups.insert(groups.end(), { star.colour, below, {} });
        add(group->lines, star.at, foot);
    }
    painter.setPen(QPen(palette.foot, 1.0));
    drawSceneLines(painter, feet);
    for (const Group &group : groups) {
        // Mixed a third of the way toward grey, so that stalks of dark stars (deep blue, dark red, black)
        // still read on black, and of white stars on white.
        const QColor star = toQColor(group.colour);
        const QColor &grey = palette.foot;
        const auto mix = [](int a, int b) { return (2 * a + b) / 3; };
        QColor colour(mix(star.red(), grey.red()), mix(star.green(), grey.green()), mix(star.blue(), grey.blue()));
        colour.setAlphaF(0.85f);
        painter.setPen(QPen(colour, 1.0, group.below ? Qt::DashLine : Qt::SolidLine, Qt::FlatCap));
        drawSceneLines(painter, group.lines);
    }
}

void drawLinks(QPainter &painter, const SpaceProjection &projection, const SpaceScene &scene,
    const std::vector<Shown> &shown, const ScenePalette &palette)
{
    QVector<QLineF> lines;
    for (size_t a = 0; a < shown.size(); ++a)
        for (size_t b = a + 1; b < shown.size(); ++b)
            if (scene.distance(shown[a].star, shown[b].star) <= scene.jumpLimit)
                if (const auto line
                    = projection.segment(scene.stars[size_t(shown[a].star)].at, scene.stars[size_t(shown[b].star)].at))
                    lines.append(*line);
    QColor colour = palette.link;
    colour.setAlphaF(0.6f);
    painter.setPen(QPen(colour, 0.8));
    drawSceneLines(painter, lines);
}

void drawRoute(
    QPainter &painter, const SpaceProjection &projection, const SpaceScene &scene, const ScenePalette &palette)
{
    QVector<QLineF> legs;
    for (size_t k = 1; k < scene.route.size(); ++k)
        if (const auto line
            = projection.segment(scene.stars[size_t(scene.route[k - 1])].at, scene.stars[size_t(scene.route[k])].at))
            legs.append(*line);
    painter.setPen(QPen(palette.route, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    drawSceneLines(painter, legs);
}

bool drawsOnImage(const QPainter &painter)
{
    return painter.device() && painter.device()->devType() == QInternal::Image;
}

void drawDots(QPainter &painter, const SpaceScene &scene, const std::vector<Shown> &shown, const ScenePalette &palette,
    SceneCache &cache)
{
    // On an image each dot is a stamp of one drawn dot; on paper, PDF and SVG each is a vector circle.
    const bool stamp = drawsOnImage(painter) && painter.transform().type() <= QTransform::TxScale;
    const double ratio = painter.transform().m11() * painter.device()->devicePixelRatioF();
    const QRgb rim = palette.dotRim.rgba();
    painter.setPen(QPen(palette.dotRim, 0.8));
    for (const Shown &s : shown) {
        const QColor fill = toQColor(scene.stars[size_t(s.star)].colour);
        if (stamp) {
            const QImage &dot = cache.dot(fill.rgba(), rim, s.radius, ratio);
            const double half = dot.width() / ratio / 2.0;
            painter.drawImage(QPointF(s.at.x() - half, s.at.y() - half), dot);
        } else {
            painter.setBrush(fill);
            painter.drawEllipse(s.at, s.radius, s.radius);
        }
    }
    painter.setBrush(Qt::NoBrush);
    for (const Shown &s : shown)
        if (s.star == scene.selected || s.star == scene.second) {
            painter.setPen(QPen(s.star == scene.selected ? palette.selected : palette.second, 2.0));
            painter.drawEllipse(s.at, s.radius + kMarkGap, s.radius + kMarkGap);
        }
}

// Where a label may go beside its dot, in the order tried: right, left, above, below.
std::array<QRectF, 4> labelPlaces(const Shown &s, double width, double height)
{
    const double gap = s.radius + kLabelGap;
    const double x = s.at.x();
    const double y = s.at.y();
    return { QRectF(x + gap, y - height / 2.0, width, height), QRectF(x - gap - width, y - height / 2.0, width, height),
        QRectF(x - width / 2.0, y - gap - height, width, height), QRectF(x - width / 2.0, y + gap, width, height) };
}

// The radius a label keeps from a star: its dot, and the ring of the selected or second star.
double labelRadius(const Shown &s, const SpaceScene &scene)
{
    return s.star == scene.selected || s.star == scene.second ? s.radius + kMarkGap + 1.0 : s.radius;
}

// Labels in order of priority: the selected and second star's names, the leg lengths of the route,
// the route's stars, then the rest from the nearest to the farthest. Each goes in the first place
// beside its dot that is clear of every label placed before it and of every other dot.
std::vector<SceneLabel> placeLabels(
    const SpaceProjection &projection, const SpaceScene &scene, const std::vector<Shown> &shown, SceneCache &cache)
{
    LabelPlacer placer(QRectF(QPointF(0, 0), projection.viewport()), 2.5 * SceneCache::kLabelPixels);
    for (const Shown &s : shown) {
        const double r = labelRadius(s, scene);
        placer.addDot(QRectF(s.at.x() - r, s.at.y() - r, 2 * r, 2 * r), s.star);
    }
    // The route's line is kept clear too, a small square every few pixels along each leg.
    for (size_t k = 1; k < scene.route.size(); ++k)
        if (const auto leg
            = projection.segment(scene.stars[size_t(scene.route[k - 1])].at, scene.stars[size_t(scene.route[k])].at)) {
            const int steps = std::min(1000, int(leg->length() / kRouteStep));
            for (int i = 0; i <= steps; ++i) {
                const QPointF at = leg->pointAt(steps > 0 ? double(i) / steps : 0.0);
                placer.addDot(QRectF(at - QPointF(kRouteStep / 2, kRouteStep / 2), QSizeF(kRouteStep, kRouteStep)), -2);
            }
        }
    const double height = cache.metrics().height();
    std::vector<SceneLabel> labels;
    const auto placeName = [&](const Shown &s) {
        Shown around = s;
        around.radius = labelRadius(s, scene);
        // Where not even the shortest label would fit beside the dot, the name is not measured at all:
        // in a crowded scene most stars go without a label.
        const auto shortest = labelPlaces(around, height, height);
        if (std::none_of(shortest.begin(), shortest.end(), [&](const QRectF &r) { return placer.isFree(r, s.star); }))
            return;
        const QString &name = scene.stars[size_t(s.star)].name;
        for (const QRectF &rect : labelPlaces(around, cache.width(name), height))
            if (placer.place(rect, s.star)) {
                labels.push_back({ s.star, rect, name });
                return;
            }
    };
    const auto placeStar = [&](int star) {
        for (const Shown &s : shown)
            if (s.star == star)
                placeName(s);
    };
    placeStar(scene.selected);
    if (scene.second != scene.selected)
        placeStar(scene.second);
    // A leg's length goes above or below its middle, else beside it; it may cover a dot rather than be left out.
    for (size_t k = 1; k < scene.route.size(); ++k) {
        const auto leg
            = projection.segment(scene.stars[size_t(scene.route[k - 1])].at, scene.stars[size_t(scene.route[k])].at);
        if (!leg)
            continue;
        const QString text = lightYears(scene.legLengths[k - 1]) + QStringLiteral(" ly");
        const auto beside = labelPlaces({ -1, leg->center(), 0.0f, 1.0 }, cache.width(text), height);
        const std::array<QRectF, 4> places = { beside[2], beside[3], beside[0], beside[1] };
        for (const bool overDots : { false, true }) {
            const auto free = std::find_if(
                places.begin(), places.end(), [&](const QRectF &rect) { return placer.place(rect, -1, overDots); });
            if (free != places.end()) {
                labels.push_back({ -1, *free, text });
                break;
            }
        }
    }
    for (const int star : scene.route)
        if (star != scene.selected && star != scene.second)
            placeStar(star);
    for (auto it = shown.rbegin(); it != shown.rend(); ++it)
        if (it->star != scene.selected && it->star != scene.second
            && std::find(scene.route.begin(), scene.route.end(), it->star) == scene.route.end())
            placeName(*it);
    return labels;
}

void drawLabels(QPainter &painter, const SpaceScene &scene, const std::vector<SceneLabel> &labels,
    const ScenePalette &palette, SceneCache &cache)
{
    const bool glyphs = drawsOnImage(painter);
    painter.setFont(cache.font());
    const double ascent = cache.metrics().ascent();
    for (const SceneLabel &label : labels) {
        QColor colour = palette.text;
        if (label.star < 0)
            colour = palette.route;
        else if (label.star == scene.selected)
            colour = palette.selected;
        else if (label.star == scene.second)
            colour = palette.second;
        if (label.star < 0) {
            // A leg length sits on the route's own colour: a backing keeps it readable.
            QColor backing = palette.background;
            backing.setAlphaF(0.75f);
            painter.fillRect(label.rect.adjusted(-1, 0, 1, 0), backing);
        }
        painter.setPen(colour);
        const QPointF baseline(label.rect.left(), label.rect.top() + ascent);
        if (glyphs) {
            for (const QGlyphRun &run : cache.runs(label.text))
                painter.drawGlyphRun(baseline, run);
        } else {
            painter.drawText(baseline, label.text);
        }
    }
}

} // namespace

SceneFrame paintScene(QPainter &painter, const QSizeF &viewport, const SpaceScene &scene, const SpaceCamera &camera,
    const SpaceOptions &options, SceneCache *cache, double eyeAngle)
{
    SceneCache own;
    SceneCache &use = cache ? *cache : own;
    const ScenePalette palette = ScenePalette::forMode(scene.light);
    const SpaceProjection projection(camera, scene.centre(), viewport, eyeAngle);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(QRectF(QPointF(0, 0), viewport), palette.background);
    drawReferencePlane(painter, projection, scene, options, palette);
    drawTerritoryShells(painter, projection, scene);
    const std::vector<Shown> shown = shownStars(projection, scene, options);
    drawStalks(painter, projection, scene, shown, planeHeight(scene, options), palette);
    if (options.reachLinks)
        drawLinks(painter, projection, scene, shown, palette);
    drawRoute(painter, projection, scene, palette);
    drawDots(painter, scene, shown, palette, use);
    SceneFrame frame;
    frame.labels = placeLabels(projection, scene, shown, use);
    drawLabels(painter, scene, frame.labels, palette, use);
    painter.restore();
    frame.dots.reserve(shown.size());
    for (const Shown &s : shown)
        frame.dots.push_back({ s.star, s.at, s.radius, s.depth });
    return frame;
}

void paintSpaceView(QPainter &painter, const QRectF &rect, const SpaceScene &scene, const SpaceCamera &camera,
    const SpaceOptions &options, QSizeF viewport)
{
    if (rect.isEmpty())
        return;
    const double height = viewport.height() > 0.0 ? viewport.height() : kDefaultViewportHeight;
    const int views = options.stereoPair ? 2 : 1;
    const double cellWidth = rect.width() / views;
    const double scale = rect.height() / height;
    const QSizeF cell(cellWidth / scale, height);
    SceneCache cache;
    for (int v = 0; v < views; ++v) {
        painter.save();
        painter.translate(rect.left() + v * cellWidth, rect.top());
        painter.scale(scale, scale);
        painter.setClipRect(QRectF(QPointF(0, 0), cell));
        const double eye = views == 1 ? 0.0 : (v == 0 ? kStereoHalfAngle : -kStereoHalfAngle);
        paintScene(painter, cell, scene, camera, options, &cache, eye);
        painter.restore();
    }
}

int starAt(const SceneFrame &frame, QPointF at)
{
    int found = -1;
    double best = 0.0;
    for (const SceneDot &dot : frame.dots) {
        const double away = std::hypot(dot.at.x() - at.x(), dot.at.y() - at.y());
        if (away <= dot.radius + kPickSlack && (found < 0 || away <= best)) {
            found = dot.star;
            best = away;
        }
    }
    return found;
}

QString starToolTip(const SpaceScene &scene, int star)
{
    if (!scene.contains(star))
        return {};
    const SceneStar &s = scene.stars[size_t(star)];
    QString tip = QStringLiteral("%1\nX %2  Y %3  Z %4\nSpectral class %5")
                      .arg(s.name)
                      .arg(double(s.at.x()))
                      .arg(double(s.at.y()))
                      .arg(double(s.at.z()))
                      .arg(s.spectralClass.trimmed());
    if (scene.contains(scene.selected))
        tip += QStringLiteral("\n%1 ly from %2")
                   .arg(lightYears(scene.distance(star, scene.selected)), scene.stars[size_t(scene.selected)].name);
    if (size_t(star) < scene.polityOf.size() && scene.polityOf[size_t(star)] >= 0
        && size_t(scene.polityOf[size_t(star)]) < scene.polityNames.size())
        tip += QStringLiteral("\nPolity: %1").arg(scene.polityNames[size_t(scene.polityOf[size_t(star)])]);
    return tip;
}
