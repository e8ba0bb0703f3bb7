#include "mapview/paintersurface.h"

#include <QPainter>
#include <QtTest>

#include <cmath>
#include <functional>

namespace {

constexpr Colour kRed = 0x0000FF;
constexpr Colour kBlue = 0xFF0000;

// A white image of `size` logical pixels at `ratio` device pixels each, at a screen's 96 dots per inch.
QImage blank(QSize size, double ratio)
{
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    return image;
}

// Draws on a blank image with map units scaled by `unitsPerPixel` (map units in one logical pixel).
QImage render(QSize size, double ratio, double unitsPerPixel, const std::function<void(PainterSurface &)> &draw,
    RasterCache *cache = nullptr)
{
    QImage image = blank(size, ratio);
    QPainter painter(&image);
    PainterSurface surface(painter, QSizeF(size) * unitsPerPixel, QRectF(QPointF(0, 0), QSizeF(size)), false, cache);
    draw(surface);
    surface.flush();
    return image;
}

bool ink(const QImage &image, int x, int y)
{
    return image.pixel(x, y) != qRgb(255, 255, 255);
}

} // namespace

// The QPainter surface, checked at the pixels it produces.
class TestPainterSurface : public QObject
{
    Q_OBJECT
private slots:
    // A dashed line is ink and gaps in turn, a dash of six pen widths and a gap of three; a solid line
    // is one unbroken run, from x = 10 on.
    void dashedAndSolidLines()
    {
        for (const int style : { 0, 1 })
            for (const int width : { 1, 3 }) {
                const QImage image = render(QSize(200, 40), 1.0, 0.5, [&](PainterSurface &s) {
                    s.drawStyle = style;
                    s.drawWidth = width;
                    s.drawLine(5, 10, 95, 10, kRed);
                });
                int runs = 0, inked = 0;
                for (int x = 20; x < 180; ++x) {
                    inked += ink(image, x, 20);
                    runs += ink(image, x, 20) && !ink(image, x - 1, 20);
                }
                const bool right = style == 0
                    ? runs == 0 && inked == 160
                    : qAbs(runs - 160 / (9 * width)) <= 1 && inked > 160 * 0.55 && inked < 160 * 0.8;
                QVERIFY2(right,
                    qPrintable(QString::asprintf("style %d, width %d: %d runs, %d inked", style, width, runs, inked)));
            }
    }

    // Batched points of alternating colours each keep their own colour.
    void pointsKeepTheirColours()
    {
        for (const int width : { 1, 4 }) {
            const QImage image = render(QSize(120, 20), 1.0, 1.0, [&](PainterSurface &s) {
                s.drawWidth = width;
                for (int i = 0; i < 10; ++i)
                    s.drawPoint(10 + 10 * i, 10, i % 3 ? kRed : kBlue);
            });
            for (int i = 0; i < 10; ++i)
                QCOMPARE(image.pixelColor(10 + 10 * i, 10), QColor(i % 3 ? Qt::red : Qt::blue));
        }
    }

    // A wide point is a round dot of drawWidth pixels across, centred on its point: the ink's centre
    // of mass is the point, within the half device pixel by which the painter aligns an odd-width pen
    // to the pixel grid, and its area is that of the circle.
    void wideDotsSitOnTheirPoint()
    {
        const QPointF point(20.0, 24.0);
        for (const auto &[width, ratio] : { std::pair { 2, 1.0 }, { 3, 1.0 }, { 6, 1.0 }, { 3, 2.0 }, { 5, 1.5 } }) {
            const QImage image = render(QSize(50, 50), ratio, 1.0, [&, width = width](PainterSurface &s) {
                s.drawWidth = width;
                s.drawPoint(point.x(), point.y(), kBlue);
            });
            double mass = 0.0;
            QPointF moment;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const double coverage = (255 - qRed(image.pixel(x, y))) / 255.0;
                    mass += coverage;
                    moment += coverage * QPointF(x + 0.5, y + 0.5);
                }
            const QPointF offset = moment / mass - point * ratio;
            const double area = M_PI * width * width / 4.0 * ratio * ratio;
            QVERIFY2(qAbs(offset.x()) <= 0.55 && qAbs(offset.y()) <= 0.55 && qAbs(mass - area) < area * 0.15,
                qPrintable(QString::asprintf(
                    "width %d at %g: offset %g,%g, mass %g", width, ratio, offset.x(), offset.y(), mass)));
        }
    }

    // Text printed through a window's cache, the first time and again from the cache, has exactly the
    // pixels of the painter's own text at the same baseline. The line keeps its glyphs, the accent of
    // a capital and the tail of a descender included, inside its band of textHeight below currentY,
    // and the band is no taller than the glyphs need: rows laid out by text height neither overlap
    // nor drift apart.
    void textLandsInItsLine()
    {
        // Font size, bold, device pixels a logical pixel, map units a logical pixel, top left in logical
        // pixels, text.
        const std::tuple<double, bool, double, double, QPointF, const char *> rows[]
            = { { 8.25, false, 1.0, 1.0, { 3, 4 }, "AVA WAY To Ty" }, // kerned capitals
                  { 12.0, true, 1.0, 1.0, { 3.3, 4.7 }, "Wolf 359" },
                  { 8.25, false, 1.0, 1.0, { 0.45, 2.1 }, "AC +79\u00B0" },
                  { 12.0, false, 1.0, 25.4 / 96, { 0, 7 }, "Sol" }, { 8.25, false, 2.0, 1.0, { 0, 7 }, "Sol" },
                  { 9.0, false, 1.5, 1.0, { 3.3, 4.7 }, "AVA 61" }, { 20.0, true, 1.0, 0.5, { 0, 7 }, "Sol" } };
        for (const auto &[fontSize, bold, ratio, unitsPerPixel, topLeft, sample] : rows) {
            const QString text = QString::fromUtf8(sample) + QStringLiteral(" \u00C9\u00C5jgy|");
            QImage expected = blank(QSize(200, 60), ratio);
            {
                QPainter painter(&expected);
                painter.setRenderHint(QPainter::Antialiasing, true);
                QFont font(QStringLiteral("Arial"));
                font.setPointSizeF(fontSize);
                font.setBold(bold);
                painter.setFont(font);
                painter.setPen(Qt::black);
                painter.drawText(topLeft + QPointF(0, std::ceil(QFontMetricsF(font, &expected).ascent())), text);
            }
            RasterCache cache;
            double height = 0.0, next = 0.0;
            for (int pass = 0; pass < 2; ++pass) {
                const QImage image = render(
                    QSize(200, 60), ratio, unitsPerPixel,
                    [&, fontSize = fontSize, bold = bold, topLeft = topLeft, unitsPerPixel = unitsPerPixel](
                        PainterSurface &s) {
                        s.fontSize = fontSize;
                        s.fontBold = bold;
                        s.currentX = topLeft.x() * unitsPerPixel;
                        s.currentY = topLeft.y() * unitsPerPixel;
                        height = s.textHeight(text);
                        s.drawText(text);
                        next = s.currentY;
                    },
                    &cache);
                QVERIFY2(image == expected, qPrintable(QStringLiteral("%1, pass %2").arg(text).arg(pass)));
            }
            QCOMPARE(next, topLeft.y() * unitsPerPixel + height);
            int first = -1, last = -1;
            for (int y = 0; y < expected.height(); ++y)
                for (int x = 0; x < expected.width(); ++x)
                    if (ink(expected, x, y)) {
                        first = first < 0 ? y : first;
                        last = y;
                        break;
                    }
            const double bandTop = topLeft.y() * ratio;
            const double band = height / unitsPerPixel * ratio;
            QVERIFY2(first >= std::floor(bandTop) && last < bandTop + band && last - first + 1 >= band - 2.0 * ratio,
                qPrintable(text + QString::asprintf(": ink %d..%d, band %g + %g", first, last, bandTop, band)));
        }
    }

    // A box in the colour the surface was cleared to still covers whatever was drawn since.
    void boxesCoverWhatWasDrawnAfterClearing()
    {
        const std::function<void(PainterSurface &)> drawings[] = {
            [](PainterSurface &s) { s.drawLine(5, 20, 55, 20, kRed); },
            [](PainterSurface &s) { s.drawPoint(30, 20, kRed); },
            [](PainterSurface &s) { s.drawCircle(30, 20, 10, kRed); },
            [](PainterSurface &s) { s.drawText(QStringLiteral("WWW")); },
            [](PainterSurface &s) { s.drawLine(5, 5, 55, 35, kRed, Surface::Shape::FilledBox); },
        };
        for (const auto &drawing : drawings) {
            const QImage image = render(QSize(60, 40), 1.0, 1.0, [&](PainterSurface &s) {
                s.backColor = 0xFFFFFF;
                s.clear();
                s.foreColor = kRed;
                s.drawWidth = 4;
                s.fontSize = 20;
                drawing(s);
                s.drawLine(0, 0, 60, 40, 0xFFFFFF, Surface::Shape::FilledBox);
            });
            QCOMPARE(image, blank(QSize(60, 40), 1.0));
        }
    }
};

QTEST_MAIN(TestPainterSurface)
#include "tst_paintersurface.moc"
