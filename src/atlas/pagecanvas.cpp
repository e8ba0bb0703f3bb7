#include "atlas/pagecanvas.h"

#include <QFontMetricsF>
#include <QPainter>

QFont PageCanvas::font(double points, bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

double PageCanvas::text(double xMm, double yMm, const QString &text, const QFont &font) const
{
    m_painter.setFont(font);
    const QFontMetricsF metrics(font, m_painter.device());
    m_painter.drawText(QPointF(px(xMm), px(yMm) + metrics.ascent()), text);
    return mm(metrics.horizontalAdvance(text));
}

double PageCanvas::textWidth(const QString &text, const QFont &font) const
{
    return mm(QFontMetricsF(font, m_painter.device()).horizontalAdvance(text));
}

double PageCanvas::lineHeight(const QFont &font) const
{
    return mm(QFontMetricsF(font, m_painter.device()).lineSpacing());
}

void PageCanvas::pageNumber(int page, const QColor &colour) const
{
    const QFont f = font(8);
    const QString label = QStringLiteral("Page %1").arg(page);
    m_painter.setPen(colour);
    text(kWidth - kMargin + 5 - textWidth(label, f), kHeight - 7, label, f);
}
