#pragma once

#include "mapview/rastercache.h"

#include <QColor>
#include <QImage>

#include <map>
#include <tuple>

// What the 3-D view keeps from one frame to the next: the label font with the width of every name
// and, once drawn on an image, its glyph runs (kept as the map keeps its texts), and the image of
// each dot size and colour and of each label with its halo. A drag
// redraws the same names and dots many times a second; shaping text costs far more than copying
// its glyphs.
class SceneCache
{
public:
    static constexpr double kLabelPixels = 11.0; // label height in the scene's pixels

    SceneCache();

    const QFont &font() const { return m_text.font(); }
    const QFontMetricsF &metrics() const { return m_text.metrics(); }
    double width(const QString &text) { return m_text.width(text); }
    // Positions from the start of the baseline.
    const QList<QGlyphRun> &runs(const QString &text) { return m_text.runs(text); }
    // A dot of `radius` scene pixels filled with `fill` and rimmed with `rim`, for a device of `ratio`
    // device pixels per scene pixel; its middle is the middle of the image.
    const QImage &dot(QRgb fill, QRgb rim, double radius, double ratio);
    // A label: `text` in `colour` over a halo of `halo` pixels (scene pixels) in the colour `behind`, for
    // a device of `ratio`; the text's top left stands `halo` + 1 scene pixels in from the image's.
    const QImage &label(const QString &text, QRgb colour, QRgb behind, double halo, double ratio);

private:
    RasterCache::Font m_text; // the label font, its metrics and glyph runs
    std::map<std::tuple<QRgb, QRgb, int, int>, QImage> m_dots;
    std::map<std::tuple<QString, QRgb, QRgb, int>, QImage> m_labels;
};
