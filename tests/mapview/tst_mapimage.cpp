#include "mapfixture.h"
#include "mapview/paintersurface.h"
#include "mapview/redraw.h"

#include <QPainter>
#include <QtTest>

// Whole maps with every option on, drawn through the QPainter surface into an image the size of the
// window on a 1600-pixel screen and checked at the pixels that show the drawing is right.
class TestMapImage : public QObject
{
    Q_OBJECT
private slots:
    void renderedMap_data()
    {
        QTest::addColumn<bool>("light");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("firstRow");
        QTest::newRow("dark") << false << QColor(Qt::black) << QColor(Qt::black);
        QTest::newRow("printer") << true << QColor(Qt::white) << QColor(Qt::cyan);
    }
    void renderedMap()
    {
        QFETCH(bool, light);
        MapFixture f;
        f.view.textScale = 1440 / (297 / 25.4 * 1440 / 15);
        f.view.printerMode = light;
        f.view.rangeHigh = 10;
        f.view.greyOutOfRange = f.view.showSpheres = f.view.showRangeCircle = f.view.showStarNumbers = true;
        QImage image(1440, 1018, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        PainterSurface surface(painter, QSizeF(297, 210), QRectF(0, 0, 1440, 1018), false);
        const MapFrame frame = drawMap(f.model, surface);
        painter.end();
        const auto at = [&](double x, double y) { return image.pixelColor(int(x * 1440 / 297), int(y * 1018 / 210)); };
        const auto redNear = [&at](double x, double y) {
            for (const double dx : { -0.2, 0.0, 0.2 })
                for (const double dy : { -0.2, 0.0, 0.2 })
                    if (at(x + dx, y + dy) == QColor(Qt::red))
                        return true;
            return false;
        };
        QTEST(at(290, 200), "background");
        QTEST(at(100, 100), "background"); // inside the grid, between lines and stars
        // Sol's dot at its map position (85, 118) in its Z colour, yellow; the cross hairs stop short of it.
        QCOMPARE(at(85, 118), QColor(Qt::yellow));
        QVERIFY(redNear(85, 60) && redNear(140, 118) && !redNear(85, 120.2));
        // Epsilon Indi (5, -3) is 11.6 from Sol: outside range 10, drawn grey.
        QCOMPARE(at(135, 148), QColor(160, 160, 160));
        // The star list: the first row by mode, Sol's row a red bar.
        QTEST(at(277, frame.listRows.front().rect.center().y()), "firstRow");
        QCOMPARE(frame.listRows[30].star, f.star("Sol")); // the 31st row
        QCOMPARE(at(277, frame.listRows[30].rect.center().y()), QColor(Qt::red));
    }
};

QTEST_MAIN(TestMapImage)
#include "tst_mapimage.moc"
