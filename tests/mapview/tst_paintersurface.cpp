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

QTEST_MAIN(TestPainterSurface)
#include "tst_paintersurface.moc"
