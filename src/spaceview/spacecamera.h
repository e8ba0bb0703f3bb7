#pragma once

#include <QPointF>
#include <QSizeF>
#include <QVector3D>

// Where the 3-D view looks from: an eye circling the centre star. X runs east, Y north and Z up, in
// light years, as on the sector map. At tilt 0 the eye looks straight down with north up the screen
// and east to the right (the map's own orientation); at tilt 90 it looks edge-on along the plane.
struct SpaceCamera
{
    static constexpr double kDefaultTilt = 30.0;
    static constexpr double kDefaultDistance = 70.0;
    static constexpr double kMinDistance = 4.0;
    static constexpr double kMaxDistance = 400.0;
    static constexpr double kMaxTilt = 90.0;
    // Vertical field of view; the projection scale comes from the viewport's height.
    static constexpr double kFieldOfView = 45.0;

    double turn = 0.0; // degrees about the vertical axis, anticlockwise seen from above
    double tilt = kDefaultTilt; // degrees from straight down, 0 .. 90
    double distance = kDefaultDistance; // light years from the eye to the point looked at
    QVector3D pan; // the point looked at, relative to the centre star

    static SpaceCamera home(); // 30 degrees from straight down, north up
    static SpaceCamera top(); // straight down: X right, Y up, as the sector map draws it

    void turnBy(double degrees);
    void tiltBy(double degrees); // kept between straight down and edge-on
    void zoomBy(double factor); // factor < 1 comes closer; the distance stays within its limits
    // Zooms by `factor` keeping the point under `pointer` (pixels in a viewport of `viewport`) in place.
    void zoomToward(QPointF pointer, const QSizeF &viewport, double factor);
    // Moves the scene with the pointer by (dx, dy) pixels.
    void panBy(double dx, double dy, const QSizeF &viewport);
    // Brings turn, tilt, distance into their ranges and drops a pan that is not a finite number.
    void normalise();

    bool operator==(const SpaceCamera &other) const;
};

// The eye's axes for a camera, turned by `eyeAngle` degrees about the screen's vertical axis
// (the two eyes of a stereo pair): right and up on the screen and forward into it.
struct CameraAxes
{
    QVector3D right;
    QVector3D up;
    QVector3D forward;

    static CameraAxes of(const SpaceCamera &camera, double eyeAngle = 0.0);
};

// Pixels a light year covers at one light year from the eye, for a viewport of that height.
double projectionScale(double viewportHeight);
