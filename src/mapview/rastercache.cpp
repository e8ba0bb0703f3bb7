#include "mapview/rastercache.h"

#include "mapview/colour.h"

#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace {

QFont makeFont(const QString &name, double size, bool bold)
{
    QFont font(name);
    font.setPointSizeF(size > 0.0 ? size : 1.0);
    font.setBold(bold);
    return font;
}

} // namespace

QList<QGlyphRun> baselineGlyphRuns(const QString &text, const QFont &font)
{
    // One line laid out the way QPainter::drawText lays out a single line, then moved so that the
    // positions count from the baseline instead of the line's top.
    QTextLayout layout(text, font);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    QList<QGlyphRun> runs = layout.glyphRuns();
    const double ascent = line.ascent();
    for (QGlyphRun &run : runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF &position : positions)
            position.ry() -= ascent;
        run.setPositions(positions);
    }
    return runs;
}

RasterCache::Font::Font(const QString &name, double size, bool bold, const QPaintDevice *device)
    : Font(makeFont(name, size, bold), device)
{ }

RasterCache::Font::Font(const QFont &font, const QPaintDevice *device, qsizetype maxTexts)
    : m_font(font)
    , m_deviceFont(device ? QFont(m_font, device) : m_font)
    , m_metrics(m_font, device)
    , m_maxTexts(maxTexts)
{ }

RasterCache::Text &RasterCache::Font::entry(const QString &text)
{
    const auto found = m_texts.find(text);
    if (found != m_texts.end())
        return *found;
    if (m_texts.size() >= m_maxTexts)
        m_texts.clear();
    Text &added = m_texts[text];
    added.width = m_metrics.horizontalAdvance(text);
    return added;
}

const QList<QGlyphRun> &RasterCache::Font::runs(const QString &text)
{
    Text &found = entry(text);
    if (!found.runs)
        found.runs = baselineGlyphRuns(text, m_deviceFont);
    return *found.runs;
}

RasterCache::Font &RasterCache::font(const QString &name, double size, bool bold, const QPaintDevice *device)
{
    const FontKey key { name, size, bold, device ? device->logicalDpiX() : 0, device ? device->logicalDpiY() : 0 };
    auto found = m_fonts.find(key);
    if (found == m_fonts.end())
        found = m_fonts.try_emplace(key, name, size, bold, device).first;
    return found->second;
}

const QImage &RasterCache::dot(Colour colour, double diameter, double ratio)
{
    QImage &dot = m_dots[{ colour, diameter, ratio }];
    if (dot.isNull()) {
        const int side = static_cast<int>(std::ceil(diameter * ratio)) + 2;
        dot = QImage(side, side, QImage::Format_ARGB32_Premultiplied);
        dot.fill(Qt::transparent);
        {
            QPainter stamp(&dot);
            stamp.setRenderHint(QPainter::Antialiasing, true);
            stamp.setPen(Qt::NoPen);
            stamp.setBrush(toQColor(colour));
            stamp.drawEllipse(QPointF(side / 2.0, side / 2.0), diameter * ratio / 2.0, diameter * ratio / 2.0);
        }
        dot.setDevicePixelRatio(ratio);
    }
    return dot;
}

const QImage &RasterCache::resampled(const QImage &picture, const QSize &size, double ratio)
{
    const std::tuple<qint64, int, int> key { picture.cacheKey(), size.width(), size.height() };
    for (auto it = m_resampled.begin(); it != m_resampled.end(); ++it)
        if (it->first == key) {
            m_resampled.splice(m_resampled.begin(), m_resampled, it);
            return m_resampled.front().second;
        }
    QImage image = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    m_resampled.emplace_front(key, std::move(image));
    if (m_resampled.size() > kResampledKept)
        m_resampled.pop_back();
    return m_resampled.front().second;
}
