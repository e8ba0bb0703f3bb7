#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

// A page of the atlas addressed in millimetres from its top-left corner, over a painter in device
// pixels. Fonts are in points, which the device sizes by itself.
class PageCanvas
{
public:
    PageCanvas(QPainter &painter, double pixelsPerMm)
        : m_painter(painter)
        , m_pixelsPerMm(pixelsPerMm)
    { }

    QPainter &painter() const { return m_painter; }
    double px(double mm) const { return mm * m_pixelsPerMm; }
    double mm(double px) const { return px / m_pixelsPerMm; }
    QPointF at(double xMm, double yMm) const { return { px(xMm), px(yMm) }; }
    QRectF rect(const QRectF &mm) const { return { at(mm.left(), mm.top()), at(mm.right(), mm.bottom()) }; }

    static QFont font(double points, bool bold = false);
    // Text with its top-left corner at the point; returns its width in mm.
    double text(double xMm, double yMm, const QString &text, const QFont &font) const;
    double textWidth(const QString &text, const QFont &font) const;
    double lineHeight(const QFont &font) const;
    // "Page n" at the foot of the page, right-aligned.
    void pageNumber(int page, const QColor &colour = Qt::black) const;

    // A4 landscape, every atlas page.
    static constexpr double kWidth = 297.0;
    static constexpr double kHeight = 210.0;
    static constexpr double kMargin = 15.0;

private:
    QPainter &m_painter;
    double m_pixelsPerMm;
};
