#pragma once

#include "mapview/rastercache.h"
#include "mapview/surface.h"

#include <QColor>
#include <QPolygonF>
#include <QTransform>

#include <map>
#include <memory>
#include <optional>

class QPainter;

// The drawing surface over a QPainter: a window's backing image, a printer page, a PDF or a PNG.
// Map units go to the painter's coordinates through one scale; font sizes are points on the
// painter's device and are never scaled by the map transform; drawWidth is in 1/96 inch.
class PainterSurface : public Surface
{
public:
    // scaleSize: the surface's extent in map units, mapped onto `target` in painter coordinates.
    // `cache` keeps fonts, shaped text and dots between the surfaces of one window; without one the
    // surface keeps them for its own lifetime.
    PainterSurface(
        QPainter &painter, const QSizeF &scaleSize, const QRectF &target, bool printer, RasterCache *cache = nullptr);
    ~PainterSurface() override;

    void clear() override;
    void drawPoint(double x, double y, Colour colour) override;
    void drawLine(double x1, double y1, double x2, double y2, Colour colour, Shape shape = Shape::Line) override;
    void drawCircle(double x, double y, double radius, qint64 colour = kUseForeColor) override;
    void drawText(const QString &text) override;
    double textWidth(const QString &text) override;
    double textHeight(const QString &text) override;
    void drawPicture(const QImage &picture, double x, double y, double width, double height) override;
    void drawKeptPicture(const QImage &picture, double x, double y, double width, double height) override;
    double pageWidth() const override { return m_scaleSize.width(); }
    double pageHeight() const override { return m_scaleSize.height(); }
    bool isPrinter() const override { return m_printer; }

    // What clear() fills, in painter coordinates: the target unless set (a window shows the page's
    // background around a page narrower or lower than itself).
    void setClearArea(const QRectF &area) { m_clearArea = area; }

    // Draws any points still waiting in the batch; called before every other operation.
    void flush();

private:
    // The font of the current fontName, fontSize and fontBold on this device, with its metrics.
    RasterCache::Font &currentFont();
    const QFontMetricsF &metrics() { return currentFont().metrics(); }
    static double lineHeight(const QFontMetricsF &metrics);
    QPointF toDevice(double x, double y) const { return m_map.map(QPointF(x, y)); }
    double penWidth() const;
    void applyPen(Colour colour);
    void stampPoints(const QPolygonF &points, int width);

    QPainter &m_painter;
    QSizeF m_scaleSize;
    QRectF m_target;
    QRectF m_clearArea;
    QTransform m_map;
    bool m_printer;
    double m_unitsPerPixel; // painter units in one 1/96 inch

    std::unique_ptr<RasterCache> m_ownCache;
    RasterCache *m_cache;
    // An image: boxes that change no pixel are left out. On paper, PDF and SVG every box is drawn.
    bool m_raster;
    // An image drawn on unscaled: text goes through its cached glyph runs, which then land on the
    // same pixels as the painter's own text. Scaled, the painter places glyphs differently, and on
    // paper, PDF and SVG the text stays text.
    bool m_glyphRuns;
    // The last font asked for, kept until fontName, fontSize or fontBold changes.
    RasterCache::Font *m_font = nullptr;
    QString m_fontName;
    double m_fontSize = -1.0;
    bool m_fontBold = false;
    // Nothing drawn on an image since clear() filled it with this colour.
    std::optional<Colour> m_clearedTo;

    // Batched drawPoint points of one colour, one batch per drawWidth. Points of different colours are
    // drawn in the order they were set; points of one colour look the same in any order.
    std::map<int, QPolygonF> m_points;
    Colour m_pointColour = 0;
};
