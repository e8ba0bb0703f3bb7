#include "app/mapcanvas.h"

#include "common/tooltip.h"
#include "mapview/paintersurface.h"
#include "navigation/inputcodes.h"
#include "output/pagesetup.h"

#include <QMouseEvent>
#include <QPainter>

MapCanvas::MapCanvas(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("map"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void MapCanvas::paintMap(const std::function<void(Surface &)> &draw)
{
    const qreal ratio = devicePixelRatioF();
    QImage image(size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    // Points are measured at the screen's logical resolution, as everywhere on the screen.
    const double dotsPerMeter = logicalDpiX() / 0.0254;
    image.setDotsPerMeterX(qRound(dotsPerMeter));
    image.setDotsPerMeterY(qRound(dotsPerMeter));
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        PainterSurface surface(painter, m_scaleSize, pageRect(), false, &m_rasterCache);
        surface.setClearArea(QRectF(QPointF(0, 0), QSizeF(size())));
        draw(surface);
    }
    m_image = std::move(image);
    update();
}

void MapCanvas::setHitAreas(std::vector<HitArea> markers, std::vector<HitArea> listRows)
{
    m_markers = std::move(markers);
    m_listRows = std::move(listRows);
}

QRectF MapCanvas::pageRect() const
{
    return fitPage(QSizeF(std::max(1, width()), std::max(1, height())), m_scaleSize);
}

QPointF MapCanvas::toMap(const QPointF &widgetPos) const
{
    const QRectF page = pageRect();
    return QPointF((widgetPos.x() - page.left()) * m_scaleSize.width() / page.width(),
        (widgetPos.y() - page.top()) * m_scaleSize.height() / page.height());
}

QPointF MapCanvas::toWidget(const QPointF &mapPos) const
{
    const QRectF page = pageRect();
    return QPointF(page.left() + mapPos.x() * page.width() / m_scaleSize.width(),
        page.top() + mapPos.y() * page.height() / m_scaleSize.height());
}

double MapCanvas::markerHeight() const
{
    const double pixels = MapFrame::kMarkerHeightTwips / 1440.0 * logicalDpiY();
    return pixels * m_scaleSize.height() / pageRect().height();
}

std::pair<int, bool> MapCanvas::hitAt(const QPointF &mapPos) const
{
    // Later markers lie on top of earlier ones, as later labels do.
    const double height = markerHeight();
    for (auto it = m_markers.rbegin(); it != m_markers.rend(); ++it) {
        QRectF rect = it->rect;
        rect.setHeight(height);
        if (rect.contains(mapPos))
            return { it->star, false };
    }
    for (auto it = m_listRows.rbegin(); it != m_listRows.rend(); ++it)
        if (it->rect.contains(mapPos))
            return { it->star, true };
    return { -1, false };
}

void MapCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_image.isNull()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(rect(), m_image);
}

void MapCanvas::mousePressEvent(QMouseEvent *event)
{
    const QPointF mapPos = toMap(event->position());
    const int button = mouseButtonCode(event->button());
    const auto [star, isRow] = hitAt(mapPos);
    if (star < 0)
        emit mapPressed(button, mapPos);
    else if (isRow)
        emit listRowPressed(star, button);
    else
        emit markerPressed(star, button);
}

void MapCanvas::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double-click is the double-click itself, not another press: one scroll step or one
    // selection per double-click, as in the Stellar Index.
    event->accept();
}

void MapCanvas::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emit resized();
}

bool MapCanvas::event(QEvent *event)
{
    const auto markerTip = [this](QPoint at) {
        const auto [star, isRow] = hitAt(toMap(at));
        QString tip;
        if (star >= 0 && !isRow)
            for (const HitArea &marker : m_markers)
                if (marker.star == star)
                    tip = marker.toolTip;
        return tip;
    };
    if (answerToolTip(event, this, markerTip))
        return true;
    return QWidget::event(event);
}
