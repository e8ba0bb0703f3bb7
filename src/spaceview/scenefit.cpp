#include "spaceview/scenefit.h"

#include "spaceview/sceneshown.h"
#include "spaceview/spacecamera.h"
#include "spaceview/spaceprojection.h"
#include "spaceview/spacescene.h"

#include <algorithm>
#include <cmath>

std::vector<QVector3D> pointsToShow(const SpaceScene &scene, const SpaceOptions &options)
{
    const QVector3D centre = scene.centre();
    std::vector<QVector3D> points;
    for (int i = 0; i < int(scene.stars.size()); ++i) {
        const QVector3D &at = scene.stars[size_t(i)].at;
        if (options.radius <= 0 || at.distanceToPoint(centre) <= float(options.radius) || alwaysNamed(scene, i))
            points.push_back(at);
    }
    return points;
}

double fittingDistance(const SpaceCamera &camera, const QVector3D &centre, const std::vector<QVector3D> &points,
    const QSizeF &viewport, double margin, const std::vector<double> &eyeAngles)
{
    // A point at (x, y) across the view and z along it from the point looked at stands scale * x / (d + z)
    // pixels from the middle at distance d: it is inside when d >= scale * |x| / half width - z.
    const double scale = projectionScale(viewport.height());
    const double halfWidth = std::max(1.0, viewport.width() / 2.0 - margin);
    const double halfHeight = std::max(1.0, viewport.height() / 2.0 - margin);
    const QVector3D target = centre + camera.pan;
    double distance = SpaceCamera::kMinDistance;
    for (const double eyeAngle : eyeAngles) {
        const CameraAxes axes = CameraAxes::of(camera, eyeAngle);
        for (const QVector3D &point : points) {
            const QVector3D v = point - target;
            const double x = std::abs(double(QVector3D::dotProduct(v, axes.right)));
            const double y = std::abs(double(QVector3D::dotProduct(v, axes.up)));
            const double z = double(QVector3D::dotProduct(v, axes.forward));
            distance = std::max({ distance, scale * x / halfWidth - z, scale * y / halfHeight - z,
                double(SpaceProjection::kNear) + 1.0 - z });
        }
    }
    return std::min(distance, SpaceCamera::kMaxDistance);
}
