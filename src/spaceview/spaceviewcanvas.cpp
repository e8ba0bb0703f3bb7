#include "spaceview/spaceviewcanvas.h"

#include "common/tooltip.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace {

constexpr double kDegreesPerPixel = 0.4;
constexpr double kKeyStep = 5.0;
constexpr double kKeyZoom = 0.8;
constexpr double kWheelZoomPerNotch = 0.85;
constexpr int kClickSlack = 3; // pixels a press may move and still count as a click

} // namespace

SpaceViewCanvas::SpaceViewCanvas(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("spacecanvas"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
}

void SpaceViewCanvas::setScene(SpaceScene scene)
{
    // A new centre star brings the view back onto it.
    if (scene.centreStar() != m_scene.centreStar())
        m_camera.pan = QVector3D();
    m_scene = std::move(scene);
    render();
}

void SpaceViewCanvas::setCamera(const SpaceCamera &camera)
{
    m_camera = camera;
    m_camera.normalise();
    render();
}

void SpaceViewCanvas::setOptions(const SpaceOptions &options)
{
    m_options = options;
    render();
}

void SpaceViewCanvas::moveCamera(const SpaceCamera &camera)
{
    setCamera(camera);
    emit cameraChanged();
}

void SpaceViewCanvas::render()
{
    // A hidden view is drawn when it is shown: a map redraw with the window closed costs nothing.
    if (!isVisible())
        return;
    const double ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (pixels.isEmpty())
        return;
    if (m_image.size() != pixels) {
        m_image = QImage(pixels, QImage::Format_RGB32);
        m_image.setDevicePixelRatio(ratio);
    }
    {
        QPainter painter(&m_image);
        m_frame = paintScene(painter, QSizeF(size()), m_scene, m_camera, m_options, &m_cache);
    }
    update();
}

void SpaceViewCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_image.isNull())
        painter.fillRect(rect(), Qt::black);
    else
        painter.drawImage(0, 0, m_image);
}

void SpaceViewCanvas::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    render();
}

void SpaceViewCanvas::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    render();
}

void SpaceViewCanvas::mousePressEvent(QMouseEvent *event)
{
    m_pressAt = m_lastAt = event->position().toPoint();
    m_button = event->button();
    m_panning = m_button == Qt::RightButton || (event->modifiers() & Qt::ShiftModifier);
    m_dragged = false;
}

void SpaceViewCanvas::mouseMoveEvent(QMouseEvent *event)
{
    if (m_button == Qt::NoButton)
        return;
    const QPoint at = event->position().toPoint();
    if ((at - m_pressAt).manhattanLength() > kClickSlack)
        m_dragged = true;
    if (!m_dragged)
        return;
    const QPoint step = at - m_lastAt;
    m_lastAt = at;
    SpaceCamera camera = m_camera;
    if (m_panning) {
        camera.panBy(step.x(), step.y(), QSizeF(size()));
    } else if (m_button == Qt::LeftButton) {
        camera.turnBy(-step.x() * kDegreesPerPixel);
        camera.tiltBy(step.y() * kDegreesPerPixel);
    }
    moveCamera(camera);
}

void SpaceViewCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    const Qt::MouseButton button = m_button;
    m_button = Qt::NoButton;
    if (m_dragged || button != event->button())
        return;
    const int star = starAt(m_frame, event->position());
    if (star >= 0 && (button == Qt::LeftButton || button == Qt::RightButton))
        emit starPicked(star, button == Qt::LeftButton ? 1 : 2);
}

void SpaceViewCanvas::wheelEvent(QWheelEvent *event)
{
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0.0)
        return;
    SpaceCamera camera = m_camera;
    camera.zoomToward(event->position(), QSizeF(size()), std::pow(kWheelZoomPerNotch, notches));
    moveCamera(camera);
}

void SpaceViewCanvas::keyPressEvent(QKeyEvent *event)
{
    SpaceCamera camera = m_camera;
    switch (event->key()) {
    case Qt::Key_Left:
        camera.turnBy(kKeyStep);
        break;
    case Qt::Key_Right:
        camera.turnBy(-kKeyStep);
        break;
    case Qt::Key_Up:
        camera.tiltBy(-kKeyStep);
        break;
    case Qt::Key_Down:
        camera.tiltBy(kKeyStep);
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        camera.zoomBy(kKeyZoom);
        break;
    case Qt::Key_Minus:
        camera.zoomBy(1.0 / kKeyZoom);
        break;
    case Qt::Key_Home:
        camera = SpaceCamera::home();
        break;
    case Qt::Key_T:
        camera = SpaceCamera::top();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    moveCamera(camera);
}

bool SpaceViewCanvas::event(QEvent *event)
{
    if (answerToolTip(event, this, [this](QPoint at) { return starToolTip(m_scene, starAt(m_frame, at)); }))
        return true;
    return QWidget::event(event);
}
