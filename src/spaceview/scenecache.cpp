#include "spaceview/scenecache.h"

#include <QPainter>

#include <cmath>

namespace {

// More names than a scene holds; past it the cache starts again from empty.
constexpr qsizetype kMaxTexts = 65536;

QFont labelFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(int(SceneCache::kLabelPixels));
    return font;
}

} // namespace

SceneCache::SceneCache()
    : m_text(labelFont(), nullptr, kMaxTexts)
{ }

const QImage &SceneCache::dot(QRgb fill, QRgb rim, double radius, double ratio)
{
    // Sizes in quarter pixels: a zoom changes the dots' size smoothly without a new image each frame.
    const int quarters = int(std::lround(radius * 4.0));
    const int ratioKey = int(std::lround(ratio * 100.0));
    QImage &dot = m_dots[{ fill, rim, quarters, ratioKey }];
    if (dot.isNull()) {
        const double r = quarters / 4.0 * ratio;
        const int side = int(std::ceil(2.0 * r)) + 4;
        dot = QImage(side, side, QImage::Format_ARGB32_Premultiplied);
        dot.fill(Qt::transparent);
        QPainter stamp(&dot);
        stamp.setRenderHint(QPainter::Antialiasing, true);
        stamp.setPen(QPen(QColor::fromRgba(rim), ratio * 0.8));
        stamp.setBrush(QColor::fromRgba(fill));
        stamp.drawEllipse(QPointF(side / 2.0, side / 2.0), r, r);
        stamp.end();
        dot.setDevicePixelRatio(ratio);
    }
    return dot;
}

const QImage &SceneCache::label(const QString &text, QRgb colour, QRgb behind, double halo, double ratio)
{
    if (m_labels.size() >= size_t(kMaxTexts))
        m_labels.clear();
    QImage &label = m_labels[{ text, colour, behind, int(std::lround(ratio * 100.0)) }];
    if (label.isNull()) {
        const double pad = halo + 1.0;
        label = QImage(int(std::ceil((width(text) + 2 * pad) * ratio)),
            int(std::ceil((metrics().height() + 2 * pad) * ratio)), QImage::Format_ARGB32_Premultiplied);
        label.fill(Qt::transparent);
        label.setDevicePixelRatio(ratio);
        QPainter stamp(&label);
        stamp.setRenderHint(QPainter::Antialiasing, true);
        const QPointF baseline(pad, pad + metrics().ascent());
        const QList<QGlyphRun> &glyphs = runs(text);
        // The halo: the letters stamped all round the name in the colour behind it.
        stamp.setPen(QColor::fromRgba(behind));
        constexpr int kDirections = 8;
        for (int k = 0; k < kDirections; ++k) {
            const double angle = 2.0 * M_PI * k / kDirections;
            for (const QGlyphRun &run : glyphs)
                stamp.drawGlyphRun(baseline + QPointF(halo * std::cos(angle), halo * std::sin(angle)), run);
        }
        stamp.setPen(QColor::fromRgba(colour));
        for (const QGlyphRun &run : glyphs)
            stamp.drawGlyphRun(baseline, run);
    }
    return label;
}
