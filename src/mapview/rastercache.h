#pragma once

#include "mapview/colour.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QList>

#include <list>
#include <map>
#include <optional>
#include <tuple>

class QPaintDevice;

// The glyph runs of `text` as the painter would lay it out on one line in `font`, with positions
// relative to the start of its baseline.
QList<QGlyphRun> baselineGlyphRuns(const QString &text, const QFont &font);

// What one window's redraws keep from one redraw to the next: each font with its metrics on the
// device, the text drawn in it shaped into glyph runs with its width, and the image of each wide
// dot. A redraw sets the same few fonts and mostly the same texts every time, and shaping text
// costs far more than copying its glyphs; the results are the ones the painter would work out.
class RasterCache
{
public:
    // A text in one font: its width as the font's metrics give it and, once drawn, its glyph runs
    // with positions relative to the start of its baseline.
    struct Text
    {
        double width = 0.0;
        std::optional<QList<QGlyphRun>> runs;
    };

    // A font with its metrics on a device and the texts drawn in it. Past `maxTexts` texts it starts
    // again from empty.
    class Font
    {
    public:
        static constexpr qsizetype kMaxTexts = 4096; // more than one font ever holds in a redraw

        Font(const QString &name, double size, bool bold, const QPaintDevice *device);
        Font(const QFont &font, const QPaintDevice *device, qsizetype maxTexts = kMaxTexts);
        const QFont &font() const { return m_font; }
        const QFontMetricsF &metrics() const { return m_metrics; }
        double width(const QString &text) { return entry(text).width; }
        // The glyph runs of `text` as the painter would lay it out on one line in this font.
        const QList<QGlyphRun> &runs(const QString &text);

    private:
        Text &entry(const QString &text);

        QFont m_font;
        QFont m_deviceFont; // the font resolved for the device's resolution, for laying out
        QFontMetricsF m_metrics;
        QHash<QString, Text> m_texts;
        qsizetype m_maxTexts;
    };

    // The font of that name, size in points and weight on a device of that resolution; the reference
    // stays valid for the cache's lifetime. Devices of one resolution share a font.
    Font &font(const QString &name, double size, bool bold, const QPaintDevice *device);
    // A smooth round dot `diameter` painter units across in the colour, for a device of `ratio`
    // device pixels per painter unit; it has a transparent border of at least one pixel.
    const QImage &dot(Colour colour, double diameter, double ratio);
    // `picture` resampled smoothly to `size` device pixels, for a device of `ratio`; kept for the
    // few pictures last asked for, and made again when the picture changes (a new cacheKey).
    const QImage &resampled(const QImage &picture, const QSize &size, double ratio);

private:
    using FontKey = std::tuple<QString, double, bool, int, int>;
    std::map<FontKey, Font> m_fonts;
    std::map<std::tuple<Colour, double, double>, QImage> m_dots;
    static constexpr size_t kResampledKept = 4;
    std::list<std::pair<std::tuple<qint64, int, int>, QImage>> m_resampled; // the most recently used first
};
