#include "spaceview/planepass.h"

#include "spaceview/scenelines.h"
#include "spaceview/scenepalette.h"
#include "spaceview/spaceprojection.h"
#include "spaceview/spacescene.h"

#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double kGridStep = 5.0;
constexpr double kRingStep = 5.0;
constexpr double kCatalogueReach = 35.0;
constexpr int kFadeLevels = 4;
constexpr int kRingSegments = 72;
constexpr float kPrismMargin = 2.0f;

void drawGrid(QPainter &painter, const SpaceProjection &projection, const QVector3D &centre, float z, double reach,
    const QColor &colour)
{
    // Lines on multiples of 5 ly, as the map's dashed lines, cut into 5 ly pieces that fade in a few
    // steps with their distance from the centre star.
    std::array<QVector<QLineF>, kFadeLevels> levels;
    const double low[2] = { std::floor((centre.x() - reach) / kGridStep) * kGridStep,
        std::floor((centre.y() - reach) / kGridStep) * kGridStep };
    const double high[2] = { std::ceil((centre.x() + reach) / kGridStep) * kGridStep,
        std::ceil((centre.y() + reach) / kGridStep) * kGridStep };
    for (int axis = 0; axis < 2; ++axis) {
        const int other = 1 - axis;
        for (double across = low[axis]; across <= high[axis]; across += kGridStep)
            for (double along = low[other]; along < high[other]; along += kGridStep) {
                QVector3D a, b;
                a[axis] = b[axis] = float(across);
                a[other] = float(along);
                b[other] = float(along + kGridStep);
                a[2] = b[2] = z;
                const QVector3D middle = (a + b) / 2.0f;
                const double away = std::hypot(double(middle.x() - centre.x()), double(middle.y() - centre.y()));
                const int level = int(away / reach * kFadeLevels);
                if (level >= kFadeLevels)
                    continue;
                if (const auto line = projection.segment(a, b))
                    levels[size_t(level)].append(*line);
            }
    }
    for (int level = 0; level < kFadeLevels; ++level) {
        QColor faded = colour;
        faded.setAlphaF(float(0.75 * (kFadeLevels - level) / kFadeLevels));
        painter.setPen(QPen(faded, 0.8));
        drawSceneLines(painter, levels[size_t(level)]);
    }
}

void drawRings(QPainter &painter, const SpaceProjection &projection, const QVector3D &centre, float z, double reach,
    const QColor &colour)
{
    QVector<QLineF> lines;
    for (const double radius : ringRadii(reach)) {
        QVector3D previous(centre.x() + float(radius), centre.y(), z);
        for (int k = 1; k <= kRingSegments; ++k) {
            const double angle = 2.0 * M_PI * k / kRingSegments;
            const QVector3D next(
                centre.x() + float(radius * std::cos(angle)), centre.y() + float(radius * std::sin(angle)), z);
            if (const auto line = projection.segment(previous, next))
                lines.append(*line);
            previous = next;
        }
    }
    painter.setPen(QPen(colour, 0.9));
    drawSceneLines(painter, lines);
}

void drawSector(
    QPainter &painter, const SpaceProjection &projection, const SpaceScene &scene, float z, const QColor &colour)
{
    const float x0 = float(scene.sectorX);
    const float y0 = float(scene.sectorY);
    const float side = 15.0f;
    // The prism reaches from the lowest to the highest star of the sector, and a little past the plane.
    float bottom = z - kPrismMargin;
    float top = z + kPrismMargin;
    for (const SceneStar &star : scene.stars)
        if (star.at.x() >= x0 && star.at.x() <= x0 + side && star.at.y() >= y0 && star.at.y() <= y0 + side) {
            bottom = std::min(bottom, star.at.z());
            top = std::max(top, star.at.z());
        }
    const std::array<QVector3D, 4> corners = { QVector3D(x0, y0, 0), QVector3D(x0 + side, y0, 0),
        QVector3D(x0 + side, y0 + side, 0), QVector3D(x0, y0 + side, 0) };
    const auto at = [](QVector3D corner, float height) {
        corner.setZ(height);
        return corner;
    };
    QVector<QLineF> square;
    QVector<QLineF> prism;
    for (size_t k = 0; k < corners.size(); ++k) {
        const QVector3D &a = corners[k];
        const QVector3D &b = corners[(k + 1) % corners.size()];
        if (const auto line = projection.segment(at(a, z), at(b, z)))
            square.append(*line);
        for (const float height : { bottom, top })
            if (const auto line = projection.segment(at(a, height), at(b, height)))
                prism.append(*line);
        if (const auto line = projection.segment(at(a, bottom), at(a, top)))
            prism.append(*line);
    }
    QColor light = colour;
    light.setAlphaF(0.35f);
    painter.setPen(QPen(light, 0.8));
    drawSceneLines(painter, prism);
    painter.setPen(QPen(colour, 1.4));
    drawSceneLines(painter, square);
}

} // namespace

float planeHeight(const SpaceScene &scene, const SpaceOptions &options)
{
    return options.planeThroughCentre ? scene.centre().z() : 0.0f;
}

std::vector<double> ringRadii(double reach)
{
    std::vector<double> radii;
    for (double radius = kRingStep; radius <= reach + 0.01; radius += kRingStep)
        radii.push_back(radius);
    return radii;
}

double planeReach(const SpaceOptions &options)
{
    return options.radius > 0 ? double(options.radius) : kCatalogueReach;
}

void drawReferencePlane(QPainter &painter, const SpaceProjection &projection, const SpaceScene &scene,
    const SpaceOptions &options, const ScenePalette &palette)
{
    const float z = planeHeight(scene, options);
    const QVector3D centre = scene.centre();
    const double reach = planeReach(options);
    drawGrid(painter, projection, centre, z, reach, palette.grid);
    drawRings(painter, projection, centre, z, reach, palette.rings);
    drawSector(painter, projection, scene, z, palette.sector);
}
