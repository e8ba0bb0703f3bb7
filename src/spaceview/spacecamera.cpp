#include "spaceview/spacecamera.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

SpaceCamera SpaceCamera::home()
{
    return {};
}

SpaceCamera SpaceCamera::top()
{
    SpaceCamera camera;
    camera.tilt = 0.0;
    return camera;
}

void SpaceCamera::turnBy(double degrees)
{
    turn = std::fmod(turn + degrees, 360.0);
    if (turn < 0.0)
        turn += 360.0;
}

void SpaceCamera::tiltBy(double degrees)
{
    tilt = std::clamp(tilt + degrees, 0.0, kMaxTilt);
}

void SpaceCamera::zoomBy(double factor)
{
    distance = std::clamp(distance * factor, kMinDistance, kMaxDistance);
}

void SpaceCamera::zoomToward(QPointF pointer, const QSizeF &viewport, double factor)
{
    // The point under the pointer on the plane through the point looked at, square to the view,
    // stays where it is: the point looked at moves toward it as the eye comes closer.
    const double before = distance;
    zoomBy(factor);
    const double scale = projectionScale(viewport.height());
    const double dx = pointer.x() - viewport.width() / 2.0;
    const double dy = pointer.y() - viewport.height() / 2.0;
    const CameraAxes axes = CameraAxes::of(*this);
    const double k = (before - distance) / scale;
    pan += axes.right * float(dx * k) - axes.up * float(dy * k);
}

void SpaceCamera::panBy(double dx, double dy, const QSizeF &viewport)
{
    const double k = distance / projectionScale(viewport.height());
    const CameraAxes axes = CameraAxes::of(*this);
    pan += -axes.right * float(dx * k) + axes.up * float(dy * k);
}

void SpaceCamera::normalise()
{
    if (!std::isfinite(turn))
        turn = 0.0;
    turnBy(0.0);
    tilt = std::isfinite(tilt) ? std::clamp(tilt, 0.0, kMaxTilt) : kDefaultTilt;
    distance = std::isfinite(distance) ? std::clamp(distance, kMinDistance, kMaxDistance) : kDefaultDistance;
    if (!std::isfinite(pan.x()) || !std::isfinite(pan.y()) || !std::isfinite(pan.z()))
        pan = QVector3D();
}

bool SpaceCamera::operator==(const SpaceCamera &other) const
{
    return turn == other.turn && tilt == other.tilt && distance == other.distance && pan == other.pan;
}

CameraAxes CameraAxes::of(const SpaceCamera &camera, double eyeAngle)
{
    const double turn = qDegreesToRadians(camera.turn);
    const double tilt = qDegreesToRadians(camera.tilt);
    // Seen from above with no turn, screen right is east and the way ahead is north.
    const QVector3D east(float(std::cos(turn)), float(std::sin(turn)), 0.0f);
    const QVector3D ahead(float(-std::sin(turn)), float(std::cos(turn)), 0.0f);
    const QVector3D vertical(0.0f, 0.0f, 1.0f);
    CameraAxes axes;
    axes.forward = ahead * float(std::sin(tilt)) - vertical * float(std::cos(tilt));
    axes.up = ahead * float(std::cos(tilt)) + vertical * float(std::sin(tilt));
    axes.right = east;
    if (eyeAngle != 0.0) {
        // A positive angle moves the eye to the left of the point looked at.
        const double a = qDegreesToRadians(eyeAngle);
        const QVector3D forward = axes.forward * float(std::cos(a)) + axes.right * float(std::sin(a));
        axes.right = axes.right * float(std::cos(a)) - axes.forward * float(std::sin(a));
        axes.forward = forward;
    }
    return axes;
}

double projectionScale(double viewportHeight)
{
    return viewportHeight / 2.0 / std::tan(qDegreesToRadians(SpaceCamera::kFieldOfView / 2.0));
}
