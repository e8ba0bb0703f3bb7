#include "spaceview/stereopair.h"

#include "output/pagesetup.h"
#include "spaceview/planepass.h"
#include "spaceview/scenecache.h"
#include "spaceview/scenefit.h"
#include "spaceview/sceneshown.h"
#include "spaceview/spaceprojection.h"
#include "spaceview/spacescene.h"

#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kSafety = 0.5; // mm kept below the largest separation
constexpr double kNameHeight = 2.2; // mm a name stands high on paper
constexpr double kPixelsPerMm = SceneCache::kLabelPixels / kNameHeight;
constexpr double kFitMargin = 14.0; // scene pixels clear at a view's edges
constexpr double kMarkAbove = 5.0; // mm from a view's top to its fusing mark
constexpr double kMarkRadius = 1.2; // mm
constexpr double kCaptionBelow = 7.0; // mm
constexpr int kRingSamples = 72;

QSizeF squareView(double widthMm)
{
    return { widthMm * kPixelsPerMm, widthMm * kPixelsPerMm };
}

// The largest horizontal shift of a point between the two eyes' views, as a share of the view's width:
// over the stars shown and the plane's outer ring, and never less than the limit a point far behind
// the point looked at tends to.
double largestParallax(const SpaceScene &scene, const SpaceCamera &camera, const SpaceOptions &options, QSizeF view)
{
    const QVector3D centre = scene.centre();
    const SpaceProjection left(camera, centre, view, StereoPair::kHalfAngle);
    const SpaceProjection right(camera, centre, view, -StereoPair::kHalfAngle);
    const QRectF box(QPointF(0, 0), view);
    std::vector<QVector3D> points = pointsToShow(scene, options);
    const double reach = planeReach(options);
    const float plane = planeHeight(scene, options);
    for (int k = 0; k < kRingSamples; ++k) {
        const double angle = 2.0 * M_PI * k / kRingSamples;
        points.emplace_back(
            centre.x() + float(reach * std::cos(angle)), centre.y() + float(reach * std::sin(angle)), plane);
    }
    double largest = 2.0 * projectionScale(view.height()) * std::tan(qDegreesToRadians(StereoPair::kHalfAngle));
    for (const QVector3D &point : points) {
        const SpaceProjection::Point a = left.project(point);
        const SpaceProjection::Point b = right.project(point);
        if (a.visible && b.visible && box.contains(a.at) && box.contains(b.at))
            largest = std::max(largest, std::abs(a.at.x() - b.at.x()));
    }
    return largest / view.width();
}

} // namespace

StereoPair stereoPairFor(const SpaceScene &scene, const SpaceCamera &camera, const SpaceOptions &options)
{
    // Under "All stars" the pair is zoomed to the stars near the centre; the rest may run past its edges.
    SpaceOptions fitted = options;
    if (fitted.radius <= 0)
        fitted.radius = SpaceOptions::kDefaultRadius;
    StereoPair pair;
    pair.camera = camera;
    pair.viewWidth = StereoPair::kMaxViewWidth;
    // The views are square, so the zoom and the parallax hardly change with their size: a second
    // round only settles the margin.
    for (int round = 0; round < 2; ++round) {
        pair.viewport = squareView(pair.viewWidth);
        pair.camera.distance = fittingDistance(camera, scene.centre(), pointsToShow(scene, fitted), pair.viewport,
            kFitMargin, { StereoPair::kHalfAngle, -StereoPair::kHalfAngle });
        pair.parallax = largestParallax(scene, pair.camera, options, pair.viewport);
        const double room = StereoPair::kMaxSeparation - kSafety - StereoPair::kGap;
        pair.viewWidth = std::min(pair.viewWidth, room / (1.0 + pair.parallax));
    }
    pair.viewport = squareView(pair.viewWidth);
    return pair;
}

StereoFrames paintStereoPair(QPainter &painter, const QRectF &page, const SpaceScene &scene, const SpaceCamera &camera,
    const SpaceOptions &options)
{
    const StereoPair pair = stereoPairFor(scene, camera, options);
    const QSizeF paper = a4LandscapeMm();
    const double unit = page.width() / paper.width(); // painter units a millimetre
    const double left = (paper.width() - 2 * pair.viewWidth - StereoPair::kGap) / 2;
    const double top = (paper.height() - pair.viewWidth) / 2;
    StereoFrames drawn;
    drawn.pixelScale = unit / kPixelsPerMm;
    SceneCache cache;
    const std::vector<SceneLabel> labels = sceneLabels(pair.viewport, scene, pair.camera, options, cache);
    for (int v = 0; v < 2; ++v) {
        const double x = left + v * (pair.viewWidth + StereoPair::kGap);
        const QRectF box(page.topLeft() + QPointF(x, top) * unit, QSizeF(pair.viewWidth, pair.viewWidth) * unit);
        drawn.boxes[v] = box;
        // Parallel viewing: the left eye's view on the left; crossed: on the right.
        const bool leftEye = (v == 0) != options.crossedEyes;
        painter.save();
        painter.translate(box.topLeft());
        painter.scale(drawn.pixelScale, drawn.pixelScale);
        painter.setClipRect(QRectF(QPointF(0, 0), pair.viewport));
        drawn.frames[v] = paintScene(painter, pair.viewport, scene, pair.camera, options, &cache,
            leftEye ? StereoPair::kHalfAngle : -StereoPair::kHalfAngle, &labels);
        painter.restore();
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(Qt::black, 0.25 * unit));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawEllipse(
            QPointF(box.center().x(), box.top() - kMarkAbove * unit), kMarkRadius * unit, kMarkRadius * unit);
        painter.restore();
    }
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, qRound(3.5 * unit)));
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QString caption = options.crossedEyes
        ? QStringLiteral("Stereo pair for crossed viewing: the left eye's view is on the right")
        : QStringLiteral("Stereo pair for parallel viewing: the left eye's view is on the left");
    const QRectF line(
        page.left(), page.top() + (top + pair.viewWidth + kCaptionBelow - 3.5) * unit, page.width(), 6.0 * unit);
    painter.drawText(line, Qt::AlignHCenter | Qt::AlignTop, caption);
    painter.restore();
    return drawn;
}
