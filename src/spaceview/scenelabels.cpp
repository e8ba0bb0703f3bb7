#include "spaceview/scenelabels.h"

#include "routes/routetext.h"
#include "spaceview/labelplacer.h"
#include "spaceview/scenecache.h"
#include "spaceview/scenelines.h"
#include "spaceview/scenepalette.h"
#include "spaceview/sceneshown.h"
#include "spaceview/spaceprojection.h"
#include "spaceview/spacescene.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace {

constexpr double kMarkGap = 3.5; // between a dot and the ring marking the selected or second star
constexpr double kLabelGap = 2.0;
constexpr double kRouteStep = 5.0; // pixels between the squares that keep labels off the route
constexpr double kHalo = 1.2; // pixels of background colour around each letter
constexpr int kDirections = 8; // ways a name may stand away from its dot
constexpr std::array<double, 3> kAwaySteps = { 1.0, 2.2, 3.6 }; // label heights out from the dot

// Where a label may go beside its dot, in the order tried: right, left, above, below.
std::array<QRectF, 4> besidePlaces(QPointF at, double radius, double width, double height)
{
    const double gap = radius + kLabelGap;
    const double x = at.x();
    const double y = at.y();
    return { QRectF(x + gap, y - height / 2.0, width, height), QRectF(x - gap - width, y - height / 2.0, width, height),
        QRectF(x - width / 2.0, y - gap - height, width, height), QRectF(x - width / 2.0, y + gap, width, height) };
}

// Places farther out for a name that must be given: rings of directions, each a little farther.
std::vector<QRectF> awayPlaces(QPointF at, double radius, double width, double height)
{
    std::vector<QRectF> places;
    places.reserve(kAwaySteps.size() * kDirections);
    for (const double step : kAwaySteps)
        for (int k = 0; k < kDirections; ++k) {
            const double angle = 2.0 * M_PI * k / kDirections;
            const double dx = std::cos(angle);
            const double dy = -std::sin(angle);
            // Out far enough that the label's nearest edge stands `step` heights past the dot's rim.
            const double out
                = radius + kLabelGap + step * height + std::abs(dx) * width / 2 + std::abs(dy) * height / 2;
            const QPointF middle = at + QPointF(dx, dy) * out;
            places.emplace_back(middle.x() - width / 2, middle.y() - height / 2, width, height);
        }
    return places;
}

// The radius a label keeps from a star: its dot, and the ring of the selected or second star.
double labelRadius(const ShownStar &s, const SpaceScene &scene)
{
    return s.star == scene.selected || s.star == scene.second ? s.radius + kMarkGap + 1.0 : s.radius;
}

QPointF nearestOnRect(const QRectF &rect, QPointF to)
{
    return { std::clamp(to.x(), rect.left(), rect.right()), std::clamp(to.y(), rect.top(), rect.bottom()) };
}

// A line from the rim of the dot to the label when the label does not touch the dot's label gap.
QLineF leaderFor(const QRectF &rect, QPointF at, double radius)
{
    const QPointF end = nearestOnRect(rect, at);
    const QLineF line(at, end);
    if (line.length() <= radius + kLabelGap + 0.5)
        return {};
    return { line.pointAt(radius / line.length()), end };
}

class Placement
{
public:
    Placement(const SpaceProjection &projection, const SpaceScene &scene, const std::vector<ShownStar> &shown,
        SceneCache &cache)
        : m_projection(projection)
        , m_scene(scene)
        , m_cache(cache)
        , m_placer(QRectF(QPointF(0, 0), projection.viewport()), 2.5 * SceneCache::kLabelPixels)
        , m_height(cache.metrics().height())
    {
        for (const ShownStar &s : shown) {
            const double r = labelRadius(s, scene);
            m_placer.addDot(QRectF(s.at.x() - r, s.at.y() - r, 2 * r, 2 * r), s.star);
        }
        // The route's line is kept clear too, a small square every few pixels along each leg.
        for (size_t k = 1; k < scene.route.size(); ++k)
            if (const auto leg = routeLeg(k)) {
                const int steps = std::min(1000, int(leg->length() / kRouteStep));
                for (int i = 0; i <= steps; ++i) {
                    const QPointF at = leg->pointAt(steps > 0 ? double(i) / steps : 0.0);
                    m_placer.addDot(
                        QRectF(at - QPointF(kRouteStep / 2, kRouteStep / 2), QSizeF(kRouteStep, kRouteStep)), -2);
                }
            }
    }

    std::optional<QLineF> routeLeg(size_t k) const
    {
        return m_projection.segment(
            m_scene.stars[size_t(m_scene.route[k - 1])].at, m_scene.stars[size_t(m_scene.route[k])].at);
    }

    // A name beside its dot when a place there is clear; nothing otherwise.
    void placeBeside(const ShownStar &s)
    {
        const double radius = labelRadius(s, m_scene);
        // Where not even the shortest label would fit beside the dot, the name is not measured at all:
        // in a crowded scene most stars go without a label.
        const auto shortest = besidePlaces(s.at, radius, m_height, m_height);
        if (std::none_of(shortest.begin(), shortest.end(), [&](const QRectF &r) { return m_placer.isFree(r, s.star); }))
            return;
        const QString &name = m_scene.stars[size_t(s.star)].name;
        for (const QRectF &rect : besidePlaces(s.at, radius, m_cache.width(name), m_height))
            if (m_placer.place(rect, s.star)) {
                add(s, rect, name, radius);
                return;
            }
    }

    // A name that must be given: beside its dot, else farther out, first clear of dots and names, then
    // clear of names only; where even that fails, beside the dot over whatever is there.
    void placeAlways(const ShownStar &s)
    {
        const double radius = labelRadius(s, m_scene);
        const QString &name = m_scene.stars[size_t(s.star)].name;
        const double width = m_cache.width(name);
        const auto beside = besidePlaces(s.at, radius, width, m_height);
        std::vector<QRectF> places(beside.begin(), beside.end());
        const std::vector<QRectF> away = awayPlaces(s.at, radius, width, m_height);
        places.insert(places.end(), away.begin(), away.end());
        for (const bool overDots : { false, true })
            for (const QRectF &rect : places)
                if (m_placer.place(rect, s.star, overDots)) {
                    add(s, rect, name, radius);
                    return;
                }
        // Kept inside the view, so a dot at its edge is still named.
        const QRectF bounds(QPointF(0, 0), m_projection.viewport());
        QRectF rect = beside[0];
        rect.moveLeft(std::clamp(rect.left(), bounds.left(), std::max(bounds.left(), bounds.right() - width)));
        rect.moveTop(std::clamp(rect.top(), bounds.top(), std::max(bounds.top(), bounds.bottom() - m_height)));
        m_placer.addDot(rect, s.star);
        add(s, rect, name, radius);
    }

    // A leg's length goes above or below its middle, else beside it; it may cover a dot rather than be left out.
    void placeLegs()
    {
        for (size_t k = 1; k < m_scene.route.size(); ++k) {
            const auto leg = routeLeg(k);
            if (!leg)
                continue;
            const QString text = lightYears(m_scene.legLengths[k - 1]) + QStringLiteral(" ly");
            const auto beside = besidePlaces(leg->center(), 1.0, m_cache.width(text), m_height);
            const std::array<QRectF, 4> places = { beside[2], beside[3], beside[0], beside[1] };
            const QVector3D middle
                = (m_scene.stars[size_t(m_scene.route[k - 1])].at + m_scene.stars[size_t(m_scene.route[k])].at) / 2.0f;
            for (const bool overDots : { false, true }) {
                const auto free = std::find_if(places.begin(), places.end(),
                    [&](const QRectF &rect) { return m_placer.place(rect, -1, overDots); });
                if (free != places.end()) {
                    m_labels.push_back({ -1, *free, text, leg->center(), middle, {} });
                    break;
                }
            }
        }
    }

    std::vector<SceneLabel> take() { return std::move(m_labels); }

private:
    void add(const ShownStar &s, const QRectF &rect, const QString &name, double radius)
    {
        m_labels.push_back(
            { s.star, rect, name, s.at, m_scene.stars[size_t(s.star)].at, leaderFor(rect, s.at, radius) });
    }

    const SpaceProjection &m_projection;
    const SpaceScene &m_scene;
    SceneCache &m_cache;
    LabelPlacer m_placer;
    double m_height;
    std::vector<SceneLabel> m_labels;
};

} // namespace

std::vector<SceneLabel> placeSceneLabels(
    const SpaceProjection &projection, const SpaceScene &scene, const std::vector<ShownStar> &shown, SceneCache &cache)
{
    Placement placement(projection, scene, shown, cache);
    std::vector<int> first = { scene.selected };
    if (scene.second != scene.selected)
        first.push_back(scene.second);
    for (const int star : scene.route)
        if (std::find(first.begin(), first.end(), star) == first.end())
            first.push_back(star);
    for (const int star : first)
        for (const ShownStar &s : shown)
            if (s.star == star)
                placement.placeAlways(s);
    placement.placeLegs();
    for (auto it = shown.rbegin(); it != shown.rend(); ++it)
        if (!alwaysNamed(scene, it->star))
            placement.placeBeside(*it);
    return placement.take();
}

std::vector<SceneLabel> followLabels(const std::vector<SceneLabel> &labels, const SpaceProjection &projection)
{
    std::vector<SceneLabel> moved;
    moved.reserve(labels.size());
    for (const SceneLabel &label : labels) {
        const SpaceProjection::Point p = projection.project(label.world);
        if (!p.visible)
            continue;
        SceneLabel here = label;
        const QPointF shift = p.at - label.anchor;
        here.anchor = p.at;
        here.rect.translate(shift);
        if (here.hasLeader())
            here.leader.translate(shift);
        moved.push_back(std::move(here));
    }
    return moved;
}

void drawSceneLabels(QPainter &painter, const SpaceScene &scene, const std::vector<SceneLabel> &labels,
    const ScenePalette &palette, SceneCache &cache)
{
    QVector<QLineF> leaders;
    for (const SceneLabel &label : labels)
        if (label.hasLeader())
            leaders.append(label.leader);
    painter.setPen(QPen(palette.text, 0.8));
    drawSceneLines(painter, leaders);

    // On an image each label is a stamp of the name over its halo; on paper, PDF and SVG the halo is the
    // name's outline stroked wide, and the name stays text.
    const bool stamp = drawsOnImage(painter) && painter.transform().type() <= QTransform::TxScale;
    const double ratio = painter.transform().m11() * painter.device()->devicePixelRatioF();
    painter.setFont(cache.font());
    const double ascent = cache.metrics().ascent();
    const QPen halo(palette.background, 2.0 * kHalo, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    for (const SceneLabel &label : labels) {
        const QColor colour = palette.labelColour(label.star, scene.selected, scene.second);
        if (stamp) {
            const QImage &image = cache.label(label.text, colour.rgba(), palette.background.rgba(), kHalo, ratio);
            painter.drawImage(label.rect.topLeft() - QPointF(kHalo + 1.0, kHalo + 1.0), image);
            continue;
        }
        const QPointF baseline(label.rect.left(), label.rect.top() + ascent);
        QPainterPath outline;
        outline.addText(baseline, cache.font(), label.text);
        painter.strokePath(outline, halo);
        painter.setPen(colour);
        painter.drawText(baseline, label.text);
    }
}
