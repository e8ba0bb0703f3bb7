#include "spaceview/spaceprojection.h"

SpaceProjection::SpaceProjection(
    const SpaceCamera &camera, const QVector3D &centre, const QSizeF &viewport, double eyeAngle)
    : m_axes(CameraAxes::of(camera, eyeAngle))
    , m_eye(centre + camera.pan - m_axes.forward * float(camera.distance))
    , m_viewport(viewport)
    , m_middle(viewport.width() / 2.0, viewport.height() / 2.0)
    , m_scale(projectionScale(viewport.height()))
    , m_targetDepth(float(camera.distance))
{ }

QVector3D SpaceProjection::toEye(const QVector3D &world) const
{
    const QVector3D v = world - m_eye;
    return { QVector3D::dotProduct(v, m_axes.right), QVector3D::dotProduct(v, m_axes.up),
        QVector3D::dotProduct(v, m_axes.forward) };
}

QPointF SpaceProjection::toScreen(const QVector3D &eye) const
{
    const double k = m_scale / double(eye.z());
    return { m_middle.x() + double(eye.x()) * k, m_middle.y() - double(eye.y()) * k };
}

SpaceProjection::Point SpaceProjection::project(const QVector3D &world) const
{
    const QVector3D eye = toEye(world);
    if (eye.z() < kNear)
        return { {}, eye.z(), false };
    return { toScreen(eye), eye.z(), true };
}

std::optional<QLineF> SpaceProjection::segment(const QVector3D &a, const QVector3D &b) const
{
    QVector3D p = toEye(a);
    QVector3D q = toEye(b);
    if (p.z() < kNear && q.z() < kNear)
        return std::nullopt;
    if (p.z() < kNear)
        p = q + (p - q) * ((q.z() - kNear) / (q.z() - p.z()));
    else if (q.z() < kNear)
        q = p + (q - p) * ((p.z() - kNear) / (p.z() - q.z()));
    return QLineF(toScreen(p), toScreen(q));
}
