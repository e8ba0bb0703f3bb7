#pragma once

#include "spaceview/spacecamera.h"

#include <QLineF>
#include <QPointF>
#include <QSizeF>
#include <QVector3D>

#include <optional>

// Perspective from the camera onto a viewport of pixels (origin top left, Y down). Points closer
// to the eye than kNear light years, or behind it, are not shown; lines are cut where they pass it.
class SpaceProjection
{
public:
    static constexpr float kNear = 0.5f;

    struct Point
    {
        QPointF at;
        float depth = 0.0f; // light years in front of the eye
        bool visible = false;
    };

    // centre: the star the camera circles; eyeAngle turns the eye for one view of a stereo pair.
    SpaceProjection(const SpaceCamera &camera, const QVector3D &centre, const QSizeF &viewport, double eyeAngle = 0.0);

    Point project(const QVector3D &world) const;
    // The part of the line in front of the near limit, projected; nothing when all of it is behind.
    std::optional<QLineF> segment(const QVector3D &a, const QVector3D &b) const;
    // Pixels one light year covers at the given depth.
    double pixelsPerLy(float depth) const { return m_scale / double(depth); }
    // Depth of the point looked at: the distance of the camera.
    float targetDepth() const { return m_targetDepth; }
    const QSizeF &viewport() const { return m_viewport; }

private:
    QVector3D toEye(const QVector3D &world) const;
    QPointF toScreen(const QVector3D &eye) const;

    CameraAxes m_axes;
    QVector3D m_eye;
    QSizeF m_viewport;
    QPointF m_middle;
    double m_scale;
    float m_targetDepth;
};
