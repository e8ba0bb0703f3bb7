#include "mapview/paintersurface.h"

#include <QGlyphRun>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>

PainterSurface::PainterSurface(
    QPainter &painter, const QSizeF &scaleSize, const QRectF &target, bool printer, RasterCache *cache)
    : m_painter(painter)
    , m_scaleSize(scaleSize)
    , m_target(target)
    , m_clearArea(target)
    , m_printer(printer)
    , m_ownCache(cache ? nullptr : std::make_unique<RasterCache>())
    , m_cache(cache ? cache : m_ownCache.get())
    , m_raster(painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster)
    , m_glyphRuns(m_raster && painter.deviceTransform().type() <= QTransform::TxTranslate)
{
    m_map.translate(target.left(), target.top());
    m_map.scale(target.width() / scaleSize.width(), target.height() / scaleSize.height());
    const QPaintDevice *device = painter.device();
    m_unitsPerPixel = device ? device->logicalDpiX() / 96.0 : 1.0;
}

PainterSurface::~PainterSurface()
{
    flush();
}

RasterCache::Font &PainterSurface::currentFont()
{
    if (!m_font || fontName != m_fontName || fontSize != m_fontSize || fontBold != m_fontBold) {
        m_fontName = fontName;
        m_fontSize = fontSize;
        m_fontBold = fontBold;
        m_font = &m_cache->font(fontName, fontSize, fontBold, m_painter.device());
    }
    return *m_font;
}

double PainterSurface::penWidth() const
{
    return std::max(1, drawWidth) * m_unitsPerPixel;
}

void PainterSurface::applyPen(Colour colour)
{
    QPen pen(toQColor(colour), penWidth());
    if (drawStyle == 1) {
        pen.setStyle(Qt::CustomDashLine);
        pen.setDashPattern({ 6.0, 3.0 });
        pen.setCapStyle(Qt::FlatCap);
    } else {
        pen.setCapStyle(drawWidth > 1 && !squareEnds ? Qt::RoundCap : Qt::SquareCap);
    }
    m_painter.setPen(pen);
}

void PainterSurface::flush()
{
    for (const auto &[width, points] : m_points) {
        if (width > 1) {
            stampPoints(points, width);
            continue;
        }
        // A one-pixel point is a single crisp pixel.
        QPen pen(toQColor(m_pointColour), m_unitsPerPixel);
        pen.setCapStyle(Qt::SquareCap);
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        m_painter.setPen(pen);
        m_painter.drawPoints(points);
    }
    m_points.clear();
}

void PainterSurface::stampPoints(const QPolygonF &points, int width)
{
    // A wide point is a smooth round dot. Circles are drawn as thousands of them, so the dot is
    // rendered once into a small image and copied to every point.
    const double ratio = m_painter.device() ? m_painter.device()->devicePixelRatioF() : 1.0;
    const QImage &dot = m_cache->dot(m_pointColour, width * m_unitsPerPixel, ratio);
    const double half = dot.width() / ratio / 2.0;
    for (const QPointF &point : points)
        m_painter.drawImage(QPointF(point.x() - half, point.y() - half), dot);
}

void PainterSurface::clear()
{
    flush();
    m_painter.fillRect(m_clearArea, toQColor(backColor));
    if (m_raster)
        m_clearedTo = backColor;
    currentX = 0.0;
    currentY = 0.0;
}

void PainterSurface::drawPoint(double x, double y, Colour colour)
{
    if (colour != m_pointColour)
        flush();
    m_pointColour = colour;
    m_clearedTo.reset();
    m_points[drawWidth].append(toDevice(x, y));
}

void PainterSurface::drawLine(double x1, double y1, double x2, double y2, Colour colour, Shape shape)
{
    flush();
    const QPointF from = toDevice(x1, y1);
    const QPointF to = toDevice(x2, y2);
    // A box in the colour an image was just cleared to would not change a pixel.
    if (shape == Shape::FilledBox && m_clearedTo == colour && m_target.contains(QRectF(from, to).normalized()))
        return;
    m_clearedTo.reset();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    switch (shape) {
    case Shape::Line:
        applyPen(colour);
        m_painter.drawLine(from, to);
        break;
    case Shape::Box:
        applyPen(colour);
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(QRectF(from, to).normalized());
        break;
    case Shape::FilledBox:
        m_painter.fillRect(QRectF(from, to).normalized(), toQColor(colour));
        break;
    }
}

void PainterSurface::drawCircle(double x, double y, double radius, qint64 colour)
{
    flush();
    m_clearedTo.reset();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    applyPen(colour == kUseForeColor ? foreColor : static_cast<Colour>(colour));
    if (fillStyle == Surface::Fill::Solid)
        m_painter.setBrush(toQColor(fillColor));
    else
        m_painter.setBrush(Qt::NoBrush);
    const double r = radius * m_map.m11();
    m_painter.drawEllipse(toDevice(x, y), r, r);
}

void PainterSurface::drawText(const QString &text)
{
    flush();
    m_clearedTo.reset();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    m_painter.setPen(toQColor(foreColor));
    RasterCache::Font &font = currentFont();
    const QPointF topLeft = toDevice(currentX, currentY);
    const QPointF baseline(topLeft.x(), topLeft.y() + std::ceil(font.metrics().ascent()));
    if (m_glyphRuns) {
        for (const QGlyphRun &run : font.runs(text))
            m_painter.drawGlyphRun(baseline, run);
    } else {
        m_painter.setFont(font.font());
        m_painter.drawText(baseline, text);
    }
    currentX = 0.0;
    currentY += lineHeight(metrics()) / m_map.m22();
}

double PainterSurface::lineHeight(const QFontMetricsF &metrics)
{
    // A line of text takes whole device pixels above and below its baseline. Rounding both up keeps
    // the line at least as tall as the glyphs even when the device rounds the font to a smaller
    // whole pixel size, so rows laid out by text height never cut into each other.
    return std::ceil(metrics.ascent()) + std::ceil(metrics.descent());
}

double PainterSurface::textWidth(const QString &text)
{
    return currentFont().width(text) / m_map.m11();
}

double PainterSurface::textHeight(const QString &text)
{
    Q_UNUSED(text)
    return lineHeight(metrics()) / m_map.m22();
}

void PainterSurface::drawPicture(const QImage &picture, double x, double y, double width, double height)
{
    flush();
    m_clearedTo.reset();
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    m_painter.drawImage(QRectF(toDevice(x, y), toDevice(x + width, y + height)), picture);
}

void PainterSurface::drawKeptPicture(const QImage &picture, double x, double y, double width, double height)
{
    // Resampled once into the window's cache and copied pixel for pixel: only an image drawn on
    // unscaled can take the copy. A printer, a PDF or a scaled painter resample as they draw.
    if (!m_glyphRuns) {
        drawPicture(picture, x, y, width, height);
        return;
    }
    flush();
    m_clearedTo.reset();
    const QRectF area(toDevice(x, y), toDevice(x + width, y + height));
    const double ratio = m_painter.device() ? m_painter.device()->devicePixelRatioF() : 1.0;
    const QImage &resampled = m_cache->resampled(picture, (area.size() * ratio).toSize(), ratio);
    m_painter.drawImage(area.topLeft(), resampled);
}
