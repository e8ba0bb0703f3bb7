#include "catalogue/startable.h"
#include "mapview/mapmodel.h"
#include "routes/routesearch.h"
#include "spaceview/recordingpaintdevice.h"
#include "spaceview/scenepainter.h"
#include "spaceview/spaceprojection.h"
#include "spaceview/spacescene.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <random>

namespace {

int starNamed(const StarTable &table, const QString &name)
{
    for (int i = 0; i < table.size(); ++i)
        if (table[i].starName == name)
            return i;
    return -1;
}

int sign(double value)
{
    return qAbs(value) < 1e-6 ? 0 : (value > 0 ? 1 : -1);
}

bool near(QPointF a, QPointF b)
{
    return QLineF(a, b).length() < 1e-3;
}

} // namespace

// The camera and projection, label placement and the stalks, without a window.
class TestSpaceScene : public QObject
{
    Q_OBJECT
private slots:
    // Where a point beside the centre lands on the screen: with the Top preset as on the sector map
    // (east right, north up), and seen at an angle.
    void projection_data()
    {
        QTest::addColumn<double>("turn");
        QTest::addColumn<double>("tilt");
        QTest::addColumn<QVector3D>("offset");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("down");
        QTest::newRow("top: east is right") << 0.0 << 0.0 << QVector3D(5, 0, 0) << 1 << 0;
        QTest::newRow("top: north is up") << 0.0 << 0.0 << QVector3D(0, 5, 0) << 0 << -1;
        QTest::newRow("top: south-west") << 0.0 << 0.0 << QVector3D(-3, -4, 0) << -1 << 1;
        QTest::newRow("top: straight above") << 0.0 << 0.0 << QVector3D(0, 0, 5) << 0 << 0;
        QTest::newRow("home: north is up") << 0.0 << 30.0 << QVector3D(0, 5, 0) << 0 << -1;
        QTest::newRow("home: above is up") << 0.0 << 30.0 << QVector3D(0, 0, 5) << 0 << -1;
        QTest::newRow("turned a quarter: east is down") << 90.0 << 0.0 << QVector3D(5, 0, 0) << 0 << 1;
        QTest::newRow("edge-on: above is up") << 0.0 << 90.0 << QVector3D(0, 0, 5) << 0 << -1;
        QTest::newRow("edge-on: north on the horizon") << 0.0 << 90.0 << QVector3D(0, 5, 0) << 0 << 0;
    }
    void projection()
    {
        QFETCH(double, turn);
        QFETCH(double, tilt);
        QFETCH(QVector3D, offset);
        SpaceCamera camera;
        camera.turn = turn;
        camera.tilt = tilt;
        const QVector3D centre(3, -2, 1);
        const SpaceProjection projection(camera, centre, QSizeF(800, 600));
        const SpaceProjection::Point middle = projection.project(centre);
        QVERIFY(middle.visible && near(middle.at, QPointF(400, 300)));
        const SpaceProjection::Point p = projection.project(centre + offset);
        QVERIFY(p.visible);
        QTEST(sign(p.at.x() - middle.at.x()), "right");
        QTEST(sign(p.at.y() - middle.at.y()), "down");
    }

    // A wheel step keeps the point under the pointer in place; a drag moves the scene with the pointer.
    void zoomAndPanFollowThePointer()
    {
        const QSizeF viewport(900, 600);
        const QVector3D centre(1, 2, 3);
        SpaceCamera camera;
        camera.turn = 40;
        const CameraAxes axes = CameraAxes::of(camera);
        const QVector3D onFocusPlane = centre + axes.right * 12.0f - axes.up * 7.0f;
        const QPointF pointer = SpaceProjection(camera, centre, viewport).project(onFocusPlane).at;
        camera.zoomToward(pointer, viewport, 0.5);
        QCOMPARE(camera.distance, SpaceCamera::kDefaultDistance / 2);
        QVERIFY(near(SpaceProjection(camera, centre, viewport).project(onFocusPlane).at, pointer));

        const QPointF before = SpaceProjection(camera, centre, viewport).project(centre).at;
        camera.panBy(30, -20, viewport);
        QVERIFY(near(SpaceProjection(camera, centre, viewport).project(centre).at, before + QPointF(30, -20)));
    }

    // Whatever the camera, no placed label overlaps another label or another star's dot.
    void labelsNeverOverlap()
    {
        const StarTable table = StarTable::fromCatalogue();
        MapModel model(table);
        model.view.secondStar = starNamed(table, "Tau Ceti");
        model.campaign.travel.route = plotRoute(model.distances, StarTable::kSol, model.view.secondStar, 8.0).stars;
        const SpaceScene scene = sceneFromModel(model);
        QImage image(1200, 800, QImage::Format_RGB32);
        std::mt19937 random(2024);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        int placed = 0;
        for (int view = 0; view < 50; ++view) {
            SpaceCamera camera;
            camera.turn = 360.0 * unit(random);
            camera.tilt = 90.0 * unit(random);
            camera.distance = 15.0 + 120.0 * unit(random);
            QPainter painter(&image);
            const SceneFrame frame = paintScene(painter, image.size(), scene, camera, SpaceOptions());
            const std::vector<SceneLabel> &labels = frame.labels;
            for (size_t a = 0; a < labels.size(); ++a) {
                QVERIFY(QRectF(image.rect()).contains(labels[a].rect));
                for (size_t b = a + 1; b < labels.size(); ++b)
                    QVERIFY2(!labels[a].rect.intersects(labels[b].rect),
                        qPrintable(labels[a].text + " / " + labels[b].text));
                for (const SceneDot &dot : frame.dots)
                    if (labels[a].star >= 0 && dot.star != labels[a].star)
                        QVERIFY(!labels[a].rect.intersects(
                            QRectF(dot.at - QPointF(dot.radius, dot.radius), QSizeF(2 * dot.radius, 2 * dot.radius))));
            }
            placed += int(labels.size());
        }
        QVERIFY(placed > 50 * 20);
    }

    // Each stalk runs from its star to the plane: solid above the plane, dashed below it.
    void stalksSolidAboveDashedBelow_data()
    {
        QTest::addColumn<bool>("throughCentre");
        QTest::newRow("plane through Sol") << false;
        QTest::newRow("plane through the centre star") << true;
    }
    void stalksSolidAboveDashedBelow()
    {
        QFETCH(bool, throughCentre);
        const StarTable table = StarTable::fromCatalogue();
        MapModel model(table);
        model.view.selectedStar = starNamed(table, "Tau Ceti");
        const SpaceScene scene = sceneFromModel(model);
        SpaceOptions options;
        options.planeThroughCentre = throughCentre;
        const float plane = throughCentre ? scene.stars[size_t(scene.selected)].at.z() : 0.0f;
        QVERIFY(plane != 0.0f || !throughCentre);
        RecordingPaintDevice device(QSize(1000, 700));
        const SpaceCamera camera;
        {
            QPainter painter(&device);
            paintScene(painter, QSizeF(1000, 700), scene, camera, options);
        }
        const SpaceProjection projection(camera, scene.centre(), QSizeF(1000, 700));
        int above = 0, below = 0;
        for (const SceneStar &star : scene.stars) {
            const SpaceProjection::Point top = projection.project(star.at);
            const SpaceProjection::Point foot = projection.project(QVector3D(star.at.x(), star.at.y(), plane));
            if (star.at.z() == plane || !top.visible || !foot.visible)
                continue;
            const auto stalk
                = std::find_if(device.lines().begin(), device.lines().end(), [&](const RecordingPaintDevice::Line &l) {
                      return near(l.line.p1(), top.at) && near(l.line.p2(), foot.at);
                  });
            QVERIFY2(stalk != device.lines().end(), qPrintable(star.name));
            QCOMPARE(stalk->pen.style(), star.at.z() > plane ? Qt::SolidLine : Qt::DashLine);
            ++(star.at.z() > plane ? above : below);
        }
        QVERIFY(above > 40 && below > 40);
    }

    // Hovering a dot tells the star's name, co-ordinates, spectral class and distance from the selected star.
    void toolTip()
    {
        const StarTable table = StarTable::fromCatalogue();
        MapModel model(table);
        const SpaceScene scene = sceneFromModel(model);
        QCOMPARE(starToolTip(scene, starNamed(table, "Alpha Centauri A")),
            QString("Alpha Centauri A\nX -2  Y -1  Z -4\nSpectral class G2\n4.6 ly from Sol"));
        QCOMPARE(starToolTip(scene, -1), QString());
    }
};

QTEST_MAIN(TestSpaceScene)
#include "tst_spacescene.moc"
