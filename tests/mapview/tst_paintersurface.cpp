#include "mapview/paintersurface.h"

#include <QPainter>
#include <QtTest>

#include <cmath>
#include <functional>

namespace {

constexpr Colour kRed = 0x0000FF;
constexpr Colour kBlue = 0xFF0000;

// Draws on a white image of `size` logical pixels at `ratio` device pixels each, with map units
// scaled by `unitsPerPixel` (map units in one logical pixel) and a screen's 96 dots per inch.
QImage render(QSize size, double ratio, double unitsPerPixel, const std::function<void(PainterSurface &)> &draw)
{
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterSurface surface(painter, QSizeF(size) * unitsPerPixel, QRectF(QPointF(0, 0), QSizeF(size)), false);
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
    void dashedAndSolidLines_data();
    void dashedAndSolidLines();
    void pointsKeepTheirColours_data();
    void pointsKeepTheirColours();
    void wideDotsSitOnTheirPoint_data();
    void wideDotsSitOnTheirPoint();
    void textLinesFitTheirHeight_data();
    void textLinesFitTheirHeight();
    void textLandsOnThePaintersPixels_data();
    void textLandsOnThePaintersPixels();
    void boxesCoverWhatWasDrawnAfterClearing_data();
    void boxesCoverWhatWasDrawnAfterClearing();
};

void TestPainterSurface::dashedAndSolidLines_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("width");
    QTest::newRow("solid, 1 pixel") << 0 << 1;
    QTest::newRow("solid, 3 pixels") << 0 << 3;
    QTest::newRow("dashed, 1 pixel") << 1 << 1;
    QTest::newRow("dashed, 3 pixels") << 1 << 3;
}

// A dashed line is ink and gaps in turn, the dashes about twice as long as the gaps; a solid line
// is one unbroken run.
void TestPainterSurface::dashedAndSolidLines()
{
    QFETCH(int, style);
    QFETCH(int, width);
    const QImage image = render(QSize(200, 40), 1.0, 0.5, [&](PainterSurface &s) {
        s.DrawStyle = style;
        s.DrawWidth = width;
        s.Line(5, 10, 95, 10, kRed);
    });
    int runs = 0;
    int inked = 0;
    for (int x = 20; x < 180; ++x) {
        inked += ink(image, x, 20);
        runs += ink(image, x, 20) && !ink(image, x - 1, 20);
    }
    if (style == 0) {
        QCOMPARE(runs, 0); // the run starts at x = 10 and never breaks
        QCOMPARE(inked, 160);
        return;
    }
    const int period = 9 * width; // a dash of six pen widths and a gap of three
    QVERIFY2(qAbs(runs - 160 / period) <= 1, qPrintable(QString::number(runs)));
    QVERIFY2(inked > 160 * 0.55 && inked < 160 * 0.8, qPrintable(QString::number(inked)));
}

void TestPainterSurface::pointsKeepTheirColours_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("1 pixel") << 1;
    QTest::newRow("4 pixels") << 4;
}

// Batched points of alternating colours each keep their own colour.
void TestPainterSurface::pointsKeepTheirColours()
{
    QFETCH(int, width);
    const QImage image = render(QSize(120, 20), 1.0, 1.0, [&](PainterSurface &s) {
        s.DrawWidth = width;
        for (int i = 0; i < 10; ++i)
            s.PSet(10 + 10 * i, 10, i % 3 ? kRed : kBlue);
    });
    for (int i = 0; i < 10; ++i)
        QCOMPARE(image.pixelColor(10 + 10 * i, 10), QColor(i % 3 ? Qt::red : Qt::blue));
}

void TestPainterSurface::wideDotsSitOnTheirPoint_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<double>("ratio");
    QTest::newRow("2 pixels") << 2 << 1.0;
    QTest::newRow("3 pixels") << 3 << 1.0;
    QTest::newRow("6 pixels") << 6 << 1.0;
    QTest::newRow("3 pixels, double density") << 3 << 2.0;
    QTest::newRow("5 pixels, one and a half density") << 5 << 1.5;
}

// A wide point is a round dot of DrawWidth pixels across, centred on its point: the ink's centre
// of mass is the point, within the half device pixel by which the painter aligns an odd-width pen
// to the pixel grid, and its area is that of the circle.
void TestPainterSurface::wideDotsSitOnTheirPoint()
{
    QFETCH(int, width);
    QFETCH(double, ratio);
    const QPointF point(20.0, 24.0);
    const QImage image = render(QSize(50, 50), ratio, 1.0, [&](PainterSurface &s) {
        s.DrawWidth = width;
        s.PSet(point.x(), point.y(), kBlue);
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
    QVERIFY2(qAbs(offset.x()) <= 0.55 && qAbs(offset.y()) <= 0.55,
        qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
    const double area = M_PI * width * width / 4.0 * ratio * ratio;
    QVERIFY2(qAbs(mass - area) < area * 0.15, qPrintable(QString::number(mass)));
}

void TestPainterSurface::textLinesFitTheirHeight_data()
{
    QTest::addColumn<double>("fontSize");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<double>("unitsPerPixel");
    QTest::newRow("8.25 points") << 8.25 << 1.0 << 1.0;
    QTest::newRow("12 points in millimetres") << 12.0 << 1.0 << 25.4 / 96;
    QTest::newRow("8.25 points, double density") << 8.25 << 2.0 << 1.0;
    QTest::newRow("20 points, bold") << 20.0 << 1.0 << 0.5;
}

// A printed line keeps its glyphs, the accent of a capital and the tail of a descender included,
// inside its band of TextHeight below CurrentY, and the band is no taller than the glyphs need:
// rows laid out by text height neither overlap nor drift apart.
void TestPainterSurface::textLinesFitTheirHeight()
{
    QFETCH(double, fontSize);
    QFETCH(double, ratio);
    QFETCH(double, unitsPerPixel);
    const QString text = QStringLiteral("\u00C9\u00C5jgy|");
    const double top = 7 * unitsPerPixel;
    double height = 0.0;
    double next = 0.0;
    const QImage image = render(QSize(200, 80), ratio, unitsPerPixel, [&](PainterSurface &s) {
        s.FontName = QStringLiteral("Arial");
        s.FontSize = fontSize;
        s.FontBold = fontSize > 15;
        s.CurrentY = top;
        height = s.TextHeight(text);
        s.Print(text);
        next = s.CurrentY;
    });
    QCOMPARE(next, top + height);
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (ink(image, x, y)) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
    const double bandTop = top / unitsPerPixel * ratio;
    const double band = height / unitsPerPixel * ratio;
    const QString where = QStringLiteral("ink %1..%2, band %3 + %4").arg(first).arg(last).arg(bandTop).arg(band);
    QVERIFY2(first >= std::floor(bandTop) && last < bandTop + band, qPrintable(where));
    QVERIFY2(last - first + 1 >= band - 2.0 * ratio, qPrintable(where));
}

void TestPainterSurface::textLandsOnThePaintersPixels_data()
{
    QTest::addColumn<double>("fontSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QPointF>("topLeft");
    QTest::addColumn<QString>("text");
    QTest::newRow("kerned capitals") << 8.25 << false << 1.0 << QPointF(3, 4) << QStringLiteral("AVA WAY To Ty");
    QTest::newRow("bold, between pixels") << 12.0 << true << 1.0 << QPointF(3.3, 4.7) << QStringLiteral("Wolf 359");
    QTest::newRow("degree sign") << 9.0 << false << 1.0 << QPointF(0.45, 2.1) << QStringLiteral("AC +79\u00B0");
    QTest::newRow("one and a half density") << 9.0 << false << 1.5 << QPointF(3.3, 4.7) << QStringLiteral("AVA 61");
}

// Text printed through a window's cache, the first time and again from the cache, has exactly the
// pixels of the painter's own text at the same baseline.
void TestPainterSurface::textLandsOnThePaintersPixels()
{
    QFETCH(double, fontSize);
    QFETCH(bool, bold);
    QFETCH(double, ratio);
    QFETCH(QPointF, topLeft);
    QFETCH(QString, text);
    RasterCache cache;
    const auto throughSurface = [&]() {
        QImage image(QSize(160, 40) * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        QPainter painter(&image);
        PainterSurface surface(painter, QSizeF(160, 40), QRectF(0, 0, 160, 40), false, &cache);
        surface.FontSize = fontSize;
        surface.FontBold = bold;
        surface.CurrentX = topLeft.x();
        surface.CurrentY = topLeft.y();
        surface.Print(text);
        return image;
    };
    QImage expected(QSize(160, 40) * ratio, QImage::Format_RGB32);
    expected.setDevicePixelRatio(ratio);
    expected.fill(Qt::white);
    {
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::Antialiasing, true);
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(fontSize);
        font.setBold(bold);
        painter.setFont(font);
        painter.setPen(Qt::black);
        const double ascent = QFontMetricsF(font, &expected).ascent();
        painter.drawText(QPointF(topLeft.x(), topLeft.y() + std::ceil(ascent)), text);
    }
    QCOMPARE(throughSurface(), expected);
    QCOMPARE(throughSurface(), expected);
}

void TestPainterSurface::boxesCoverWhatWasDrawnAfterClearing_data()
{
    QTest::addColumn<int>("drawing");
    QTest::newRow("line") << 0;
    QTest::newRow("wide points") << 1;
    QTest::newRow("circle") << 2;
    QTest::newRow("text") << 3;
    QTest::newRow("red box") << 4;
}

// A box in the colour the surface was cleared to still covers whatever was drawn since.
void TestPainterSurface::boxesCoverWhatWasDrawnAfterClearing()
{
    QFETCH(int, drawing);
    const QImage image = render(QSize(60, 40), 1.0, 1.0, [&](PainterSurface &s) {
        s.BackColor = 0xFFFFFF;
        s.Cls();
        s.ForeColor = kRed;
        s.DrawWidth = 4;
        switch (drawing) {
        case 0:
            s.Line(5, 20, 55, 20, kRed);
            break;
        case 1:
            for (int x = 5; x < 55; x += 5)
                s.PSet(x, 20, kRed);
            break;
        case 2:
            s.Circle(30, 20, 10, kRed);
            break;
        case 3:
            s.FontSize = 20;
            s.CurrentY = 10;
            s.Print(QStringLiteral("WWW"));
            break;
        default:
            s.Line(5, 5, 55, 35, kRed, Surface::Shape::FilledBox);
        }
        s.Line(0, 0, 60, 40, 0xFFFFFF, Surface::Shape::FilledBox);
    });
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QVERIFY2(!ink(image, x, y), qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
}

QTEST_MAIN(TestPainterSurface)
#include "tst_paintersurface.moc"
