#include "mapfixture.h"
#include "mapview/paintersurface.h"
#include "mapview/redraw.h"

#include <QPainter>
#include <QtTest>

// Whole maps drawn through the QPainter surface into an image the size of the window on a
// 1600-pixel screen, checked at the pixels that show the drawing is right.
class TestMapImage : public QObject
{
    Q_OBJECT
private slots:
    void renderedMap_data();
    void renderedMap();

private:
    QImage render(const MapModel &model, MapFrame &frame) const;
    QColor at(const QImage &image, QPointF map) const;
    bool redNear(const QImage &image, QPointF map) const;
};

namespace {
constexpr int kWidth = 1440;
constexpr int kHeight = 1018;
} // namespace

QImage TestMapImage::render(const MapModel &model, MapFrame &frame) const
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(96 / 0.0254));
    image.setDotsPerMeterY(qRound(96 / 0.0254));
    image.fill(Qt::magenta);
    QPainter painter(&image);
    PainterSurface surface(painter, QSizeF(297, 210), QRectF(0, 0, kWidth, kHeight), false);
    frame = drawMap(model, surface);
    return image;
}

QColor TestMapImage::at(const QImage &image, QPointF map) const
{
    return image.pixelColor(int(map.x() * kWidth / 297), int(map.y() * kHeight / 210));
}

bool TestMapImage::redNear(const QImage &image, QPointF map) const
{
    const QPoint centre(int(map.x() * kWidth / 297), int(map.y() * kHeight / 210));
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (image.pixelColor(centre + QPoint(dx, dy)) == QColor(255, 0, 0))
                return true;
    return false;
}

void TestMapImage::renderedMap_data()
{
    QTest::addColumn<bool>("light");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("firstRow");
    QTest::newRow("dark") << false << QColor(Qt::black) << QColor(Qt::black);
    QTest::newRow("printer") << true << QColor(Qt::white) << QColor(0, 255, 255);
}

void TestMapImage::renderedMap()
{
    QFETCH(bool, light);
    MapFixture f;
    ViewState &view = f.model.view;
    view.fscale = kWidth / (297 / 25.4 * 1440 / 15);
    view.wysflag = light;
    view.hirange = 10;
    view.greyflag = view.sodflag = view.dfsflag = view.idsflag = true;
    MapFrame frame;
    const QImage image = render(f.model, frame);
    image.save(QStringLiteral("map-%1.png").arg(light ? QStringLiteral("printer") : QStringLiteral("dark")));

    QTEST(at(image, { 290, 200 }), "background");
    QTEST(at(image, { 100, 100 }), "background"); // inside the grid, between lines and stars
    // Sol's dot at its map position (85, 118) in its Z colour, yellow; the cross hairs stop short of it.
    QCOMPARE(at(image, { 85, 118 }), QColor(255, 255, 0));
    QVERIFY(redNear(image, { 85, 60 }));
    QVERIFY(redNear(image, { 140, 118 }));
    QVERIFY(!redNear(image, { 85, 120.2 }));
    // Epsilon Indi (5, -3) is 11.6 from Sol: outside range 10, drawn grey.
    QCOMPARE(at(image, { 135, 148 }), QColor(160, 160, 160));
    // The star list: the first row by mode, Sol's row a red bar.
    QTEST(at(image, { 277, frame.listRows.front().rect.center().y() }), "firstRow");
    const auto solRow = std::find_if(
        frame.listRows.begin(), frame.listRows.end(), [&](const HitArea &row) { return row.star == f.star("Sol"); });
    QVERIFY(solRow != frame.listRows.end());
    QCOMPARE(at(image, { 277, solRow->rect.center().y() }), QColor(255, 0, 0));
    QCOMPARE(solRow->rect.height(), 4.0);
}

QTEST_MAIN(TestMapImage)
#include "tst_mapimage.moc"
