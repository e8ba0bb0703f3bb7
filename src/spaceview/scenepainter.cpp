#include "spaceview/scenepainter.h"

#include "routes/routetext.h"
#include "spaceview/planepass.h"
#include "spaceview/scenecache.h"
#include "spaceview/scenelabels.h"
#include "spaceview/scenelines.h"
#include "spaceview/scenepalette.h"
#include "spaceview/sceneshown.h"
#include "spaceview/spaceprojection.h"
#include "spaceview/spacescene.h"
#include "spaceview/stereopair.h"
#include "spaceview/territoryshells.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double kFootHalf = 0.35; // light years each way of the foot mark's cross
constexpr double kMarkGap = 3.5; // between a dot and the ring marking the selected or second star
constexpr double kPickSlack = 3.0;
constexpr double kDefaultViewportHeight = 800.0;

// Stalks from each star down or up to the plane, in the star's colour: solid above the plane, dashed
// below it, with a small cross where they meet it.
void drawStalks(QPainter &painter, const SpaceProjection &projection, const SpaceScene &scene,
    const std::vector<ShownStar> &shown, float plane, const ScenePalette &palette)
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
    for (const ShownStar &s : shown) {
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
    const std::vector<ShownStar> &shown, const ScenePalette &palette)
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

void drawDots(QPainter &painter, const SpaceScene &scene, const std::vector<ShownStar> &shown,
    const ScenePalette &palette, SceneCache &cache)
{
    // On an image each dot is a stamp of one drawn dot; on paper, PDF and SVG each is a vector circle.
    const bool stamp = drawsOnImage(painter) && painter.transform().type() <= QTransform::TxScale;
    const double ratio = painter.transform().m11() * painter.device()->devicePixelRatioF();
    const QRgb rim = palette.dotRim.rgba();
    painter.setPen(QPen(palette.dotRim, 0.8));
    for (const ShownStar &s : shown) {
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
    for (const ShownStar &s : shown)
        if (s.star == scene.selected || s.star == scene.second) {
            painter.setPen(QPen(s.star == scene.selected ? palette.selected : palette.second, 2.0));
            painter.drawEllipse(s.at, s.radius + kMarkGap, s.radius + kMarkGap);
        }
}

} // namespace

SceneFrame paintScene(QPainter &painter, const QSizeF &viewport, const SpaceScene &scene, const SpaceCamera &camera,
    const SpaceOptions &options, SceneCache *cache, double eyeAngle, const std::vector<SceneLabel> *placed)
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
    const std::vector<ShownStar> shown = shownStars(projection, scene, options);
    drawStalks(painter, projection, scene, shown, planeHeight(scene, options), palette);
    if (options.reachLinks)
        drawLinks(painter, projection, scene, shown, palette);
    drawRoute(painter, projection, scene, palette);
    drawDots(painter, scene, shown, palette, use);
    SceneFrame frame;
    frame.labels = placed ? followLabels(*placed, projection) : placeSceneLabels(projection, scene, shown, use);
    drawSceneLabels(painter, scene, frame.labels, palette, use);
    painter.restore();
    frame.dots.reserve(shown.size());
    for (const ShownStar &s : shown)
        frame.dots.push_back({ s.star, s.at, s.radius, s.depth });
    return frame;
}

std::vector<SceneLabel> sceneLabels(const QSizeF &viewport, const SpaceScene &scene, const SpaceCamera &camera,
    const SpaceOptions &options, SceneCache &cache)
{
    const SpaceProjection projection(camera, scene.centre(), viewport);
    return placeSceneLabels(projection, scene, shownStars(projection, scene, options), cache);
}

void paintSpaceView(QPainter &painter, const QRectF &rect, const SpaceScene &scene, const SpaceCamera &camera,
    const SpaceOptions &options, QSizeF viewport)
{
    if (rect.isEmpty())
        return;
    if (options.stereoPair) {
        paintStereoPair(painter, rect, scene, camera, options);
        return;
    }
    const double height = viewport.height() > 0.0 ? viewport.height() : kDefaultViewportHeight;
    const double scale = rect.height() / height;
    const QSizeF cell(rect.width() / scale, height);
    painter.save();
    painter.translate(rect.topLeft());
    painter.scale(scale, scale);
    painter.setClipRect(QRectF(QPointF(0, 0), cell));
    paintScene(painter, cell, scene, camera, options);
    painter.restore();
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
