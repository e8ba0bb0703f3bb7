#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QList>

#include <map>
#include <tuple>

// What the 3-D view keeps from one frame to the next: the label font with the width of every name
// and, once drawn on an image, its glyph runs, the image of each dot size and colour and of each
// label with its halo. A drag
// redraws the same names and dots many times a second; shaping text costs far more than copying
// its glyphs.
class SceneCache
{
public:
    static constexpr double kLabelPixels = 11.0; // label height in the scene's pixels

    struct Text
    {
        double width = 0.0;
        bool shaped = false;
        QList<QGlyphRun> runs; // positions from the start of the baseline
    };

    SceneCache();

    const QFont &font() const { return m_font; }
    const QFontMetricsF &metrics() const { return m_metrics; }
    double width(const QString &text) { return entry(text).width; }
    const QList<QGlyphRun> &runs(const QString &text);
    // A dot of `radius` scene pixels filled with `fill` and rimmed with `rim`, for a device of `ratio`
    // device pixels per scene pixel; its middle is the middle of the image.
    const QImage &dot(QRgb fill, QRgb rim, double radius, double ratio);
    // A label: `text` in `colour` over a halo of `halo` pixels (scene pixels) in the colour `behind`, for
    // a device of `ratio`; the text's top left stands `halo` + 1 scene pixels in from the image's.
    const QImage &label(const QString &text, QRgb colour, QRgb behind, double halo, double ratio);

private:
    Text &entry(const QString &text);

    QFont m_font;
    QFontMetricsF m_metrics;
    QHash<QString, Text> m_texts;
    std::map<std::tuple<QRgb, QRgb, int, int>, QImage> m_dots;
    std::map<std::tuple<QString, QRgb, QRgb, int>, QImage> m_labels;
};
