#include "catalogue/startable.h"
#include "mapview/mapmodel.h"
#include "spaceview/scenecache.h"
#include "spaceview/scenepainter.h"
#include "spaceview/scenepalette.h"
#include "spaceview/sceneshown.h"
#include "spaceview/spaceexport.h"
#include "spaceview/spaceprojection.h"
#include "spaceview/spacescene.h"
#include "spaceview/stereopair.h"
#include "support/starnamed.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <optional>
#include <random>

namespace {

int sign(double value)
{
    return qAbs(value) < 1e-6 ? 0 : (value > 0 ? 1 : -1);
}

bool near(QPointF a, QPointF b)
{
    return QLineF(a, b).length() < 1e-3;
}

// The model of a campaign whose route runs from Sol by UV Ceti A to Tau Ceti.
MapModel routeModel(const StarTable &table, const QString &selected)
{
    MapModel model(table);
    model.view.selectedStar = starNamed(table, selected);
    model.view.secondStar = starNamed(table, "Tau Ceti");
    model.campaign.travel.route = { StarTable::kSol, starNamed(table, "UV Ceti A"), model.view.secondStar };
    return model;
}

// Cameras from every side at every tilt and many distances, the same each run.
std::vector<SpaceCamera> randomCameras(int count)
{
    std::mt19937 random(2024);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<SpaceCamera> cameras(static_cast<size_t>(count));
    for (SpaceCamera &camera : cameras) {
        camera.turn = 360.0 * unit(random);
        camera.tilt = 90.0 * unit(random);
        camera.distance = 15.0 + 120.0 * unit(random);
    }
    return cameras;
}

// The middle of the pixels of one colour in each half (left, right) of a page picture, or none.
std::array<std::optional<QPointF>, 2> colourMiddles(const QImage &page, const QColor &colour)
{
    QPointF sum[2];
    int count[2] = { 0, 0 };
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (qAbs(c.red() - colour.red()) < 30 && qAbs(c.green() - colour.green()) < 30
                && qAbs(c.blue() - colour.blue()) < 30) {
                sum[x >= page.width() / 2] += QPointF(x, y);
                ++count[x >= page.width() / 2];
            }
        }
    std::array<std::optional<QPointF>, 2> middles;
    for (const int half : { 0, 1 })
        if (count[half] > 0)
            middles[size_t(half)] = sum[half] / count[half];
    return middles;
}

// The contrast ratio of two colours by their relative luminance, as the readability guidelines count it.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &colour) {
        const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF())
            + 0.05;
    };
    return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b));
}

// A paint device that keeps every line drawn on it with the pen it was drawn with.
class RecordingPaintDevice : public QPaintDevice
{
public:
    struct Line
    {
        QLineF line;
        QPen pen;
    };

    explicit RecordingPaintDevice(QSize size)
        : m_size(size)
    { }

    QPaintEngine *paintEngine() const override { return &m_engine; }
    const QList<Line> &lines() const { return m_engine.lines; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 1000;
        }
    }

private:
    class Engine : public QPaintEngine
    {
    public:
        Engine()
            : QPaintEngine(AllFeatures)
        { }

        QList<Line> lines;
        QPen pen;
        QTransform transform;

        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &state) override
        {
            if (state.state() & DirtyPen)
                pen = state.pen();
            if (state.state() & DirtyTransform)
                transform = state.transform();
        }
        void drawLines(const QLineF *drawn, int count) override
        {
            for (int i = 0; i < count; ++i)
                lines.append({ transform.map(drawn[i]), pen });
        }
        void drawPath(const QPainterPath &) override { }
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override { }
        Type type() const override { return User; }
    };

    QSize m_size;
    mutable Engine m_engine;
};

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

    // Whatever the camera, every label stays in the view and overlaps no other label and no other
    // star's dot. The selected and second star and every stop of the route are named whenever their dot
    // is in the view, even where the radius filter leaves them out and the scene is crowded; a name that
    // stands away from its dot has a leader from the dot's rim to the name.
    void labelsClearAndAlwaysNamed_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("radius");
        QTest::newRow("Sol, within 10 ly") << "Sol" << 10;
        QTest::newRow("Epsilon Eridani, within 5 ly") << "Epsilon Eridani" << 5;
        QTest::newRow("Sol, all stars") << "Sol" << 0;
        QTest::newRow("Tau Ceti, all stars") << "Tau Ceti" << 0;
    }
    void labelsClearAndAlwaysNamed()
    {
        QFETCH(QString, selected);
        QFETCH(int, radius);
        const StarTable table = StarTable::fromCatalogue();
        const SpaceScene scene = sceneFromModel(routeModel(table, selected));
        SpaceOptions options;
        options.radius = radius;
        QImage image(900, 600, QImage::Format_RGB32);
        const QRectF view(image.rect());
        int named = 0, leaders = 0, placed = 0;
        for (const SpaceCamera &camera : randomCameras(60)) {
            QPainter painter(&image);
            const SceneFrame frame = paintScene(painter, image.size(), scene, camera, options);
            const std::vector<SceneLabel> &labels = frame.labels;
            for (size_t a = 0; a < labels.size(); ++a) {
                QVERIFY(view.contains(labels[a].rect));
                for (size_t b = a + 1; b < labels.size(); ++b)
                    QVERIFY2(!labels[a].rect.intersects(labels[b].rect),
                        qPrintable(labels[a].text + " / " + labels[b].text));
                for (const SceneDot &dot : frame.dots)
                    if (labels[a].star >= 0 && dot.star != labels[a].star && !alwaysNamed(scene, labels[a].star))
                        QVERIFY(!labels[a].rect.intersects(
                            QRectF(dot.at - QPointF(dot.radius, dot.radius), QSizeF(2 * dot.radius, 2 * dot.radius))));
            }
            placed += int(labels.size());
            for (const SceneDot &dot : frame.dots) {
                const auto label = std::find_if(
                    labels.begin(), labels.end(), [&](const SceneLabel &l) { return l.star == dot.star; });
                if (alwaysNamed(scene, dot.star) && view.contains(dot.at)) {
                    QVERIFY2(label != labels.end(), qPrintable(scene.stars[size_t(dot.star)].name));
                    ++named;
                }
                if (label == labels.end())
                    continue;
                const double gap = QLineF(dot.at,
                    QPointF(std::clamp(dot.at.x(), label->rect.left(), label->rect.right()),
                        std::clamp(dot.at.y(), label->rect.top(), label->rect.bottom())))
                                       .length();
                // Beside its dot (or the ring of a marked star) a name needs no leader; farther out it does.
                if (gap < dot.radius + 6.6)
                    QVERIFY(!label->hasLeader());
                if (gap <= dot.radius + 10.0)
                    continue;
                QVERIFY2(label->hasLeader(), qPrintable(label->text));
                ++leaders;
                QVERIFY(QLineF(label->leader.p1(), dot.at).length() <= dot.radius + 5.0);
                QVERIFY(label->rect.adjusted(-0.01, -0.01, 0.01, 0.01).contains(label->leader.p2()));
            }
        }
        QVERIFY(named > 60 * 2);
        if (radius == 0)
            QVERIFY(leaders > 0 && placed > 60 * 20);
    }

    // Names are drawn over a halo of the background: no pixel of a line under a name touches its letters.
    void namesHaveAHalo()
    {
        for (const bool light : { false, true }) {
            SpaceScene scene;
            scene.stars.push_back({ QVector3D(0, 0, 0), 0, "Wolf 359 and a long name", "M" });
            scene.light = light;
            const ScenePalette palette = ScenePalette::forMode(light);
            SceneCache cache;
            QImage image(300, 60, QImage::Format_RGB32);
            const QColor lines(Qt::magenta);
            image.fill(lines);
            const SceneLabel label { 0, QRectF(20, 20, cache.width(scene.stars[0].name), cache.metrics().height()),
                scene.stars[0].name, {}, {}, {} };
            {
                QPainter painter(&image);
                drawSceneLabels(painter, scene, { label }, palette, cache);
            }
            const auto like = [](const QColor &a, const QColor &b) {
                return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) < 90;
            };
            int letters = 0;
            for (int y = 1; y < image.height() - 1; ++y)
                for (int x = 1; x < image.width() - 1; ++x) {
                    if (!like(image.pixelColor(x, y), palette.text))
                        continue;
                    ++letters;
                    for (const QPoint step : { QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1) })
                        QVERIFY(!like(image.pixelColor(QPoint(x, y) + step), lines));
                }
            QVERIFY(letters > 50);
        }
    }

    // The selected and second star's names read as well as any other name on either background.
    void selectedNamesAsBrightAsAny()
    {
        for (const bool light : { false, true }) {
            const ScenePalette palette = ScenePalette::forMode(light);
            const double plain = contrast(palette.labelColour(5, 1, 2), palette.background);
            for (const int star : { 1, 2 }) {
                const double marked = contrast(palette.labelColour(star, 1, 2), palette.background);
                QVERIFY(marked >= 7.0);
                if (!light)
                    QVERIFY(marked >= plain);
            }
        }
    }

    // The stereo pair as exported to PDF and rendered: the same star stands at most 65 mm apart in
    // the two views (stars far behind the middle farther apart than near ones for parallel viewing,
    // nearer for crossed), each view is at most 65 mm wide with a gap between them, and the route's
    // start, far outside the radius, is in both views.
    void stereoPairOnPaper_data()
    {
        QTest::addColumn<bool>("crossed");
        QTest::addColumn<double>("tilt");
        QTest::newRow("parallel, from above") << false << 0.0;
        QTest::newRow("parallel, tilted") << false << 40.0;
        QTest::newRow("crossed, from above") << true << 0.0;
    }
    void stereoPairOnPaper()
    {
        QFETCH(bool, crossed);
        QFETCH(double, tilt);
        SpaceScene scene;
        const QColor centre(255, 255, 0), nearStar(255, 0, 0), farStar(0, 255, 0), start(0, 0, 255);
        for (const auto &[at, colour] : { std::pair { QVector3D(0, 0, 0), centre }, { QVector3D(5, 3, 8), nearStar },
                 { QVector3D(-5, -3, -8), farStar }, { QVector3D(24, -19, 4), start } })
            scene.stars.push_back({ at, Colour(colour.red() + 256 * colour.green() + 65536 * colour.blue()),
                QStringLiteral("Star %1").arg(scene.stars.size()), "G" });
        scene.sol = 0;
        scene.route = { 3, 0 };
        scene.legLengths = { scene.distance(3, 0) };
        SpaceCamera camera;
        camera.tilt = tilt;
        camera.turn = 20;
        SpaceOptions options;
        options.radius = 10;
        options.stereoPair = true;
        options.crossedEyes = crossed;
        QTemporaryDir dir;
        const QString pdf = dir.filePath("pair.pdf");
        QVERIFY(exportSpaceView(scene, camera, options, QSizeF(1000, 700), pdf, 0));
        const int dpi = 100;
        QCOMPARE(QProcess::execute(
                     "pdftoppm", { "-r", QString::number(dpi), "-png", "-singlefile", pdf, dir.filePath("pair") }),
            0);
        const QImage page(dir.filePath("pair.png"));
        QVERIFY(!page.isNull());
        const double mm = 25.4 / dpi;
        std::map<QRgb, double> separation;
        for (const QColor &colour : { centre, nearStar, farStar, start }) {
            const auto [left, right] = colourMiddles(page, colour);
            QVERIFY2(left && right, qPrintable(colour.name()));
            separation[colour.rgb()] = (right->x() - left->x()) * mm;
            QVERIFY(separation[colour.rgb()] <= 65.0 + mm && separation[colour.rgb()] > 40.0);
            QVERIFY(qAbs(right->y() - left->y()) * mm < 1.0);
        }
        const double nearer = separation[nearStar.rgb()], middle = separation[centre.rgb()],
                     farther = separation[farStar.rgb()];
        QVERIFY(crossed ? farther < middle && middle < nearer : nearer < middle && middle < farther);
        // Across the middle of the page, the two views (nothing in them is white): each at most 65 mm wide, apart.
        std::vector<std::pair<int, int>> runs;
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, page.height() / 2)) < 245) {
                if (runs.empty() || x > runs.back().second + 3)
                    runs.push_back({ x, x });
                runs.back().second = x;
            }
        QCOMPARE(runs.size(), size_t(2));
        for (const auto &[from, to] : runs)
            QVERIFY((to - from) * mm <= 65.0 && (to - from) * mm > 40.0);
        QVERIFY((runs[1].first - runs[0].second) * mm > 2.0);
    }

    // Both views of the pair carry one set of labels: the same names, each at the same offset from the
    // point it names as seen by that view's eye.
    void stereoPairSharesItsLabels()
    {
        const StarTable table = StarTable::fromCatalogue();
        const SpaceScene scene = sceneFromModel(routeModel(table, "Epsilon Eridani"));
        SpaceOptions options;
        options.stereoPair = true;
        QImage image(1188, 840, QImage::Format_RGB32);
        QPainter painter(&image);
        const StereoFrames pair = paintStereoPair(painter, image.rect(), scene, SpaceCamera(), options);
        const std::vector<SceneLabel> &left = pair.frames[0].labels;
        const std::vector<SceneLabel> &right = pair.frames[1].labels;
        QCOMPARE(left.size(), right.size());
        QVERIFY(left.size() >= 5);
        for (size_t k = 0; k < left.size(); ++k) {
            QCOMPARE(left[k].text, right[k].text);
            QVERIFY(near(left[k].rect.topLeft() - left[k].anchor, right[k].rect.topLeft() - right[k].anchor));
            if (left[k].star < 0)
                continue;
            const auto dot = [&](const SceneFrame &frame) {
                return std::find_if(
                    frame.dots.begin(), frame.dots.end(), [&](const SceneDot &d) { return d.star == left[k].star; });
            };
            for (int v = 0; v < 2; ++v) {
                const auto at = dot(pair.frames[v]);
                QVERIFY(at != pair.frames[v].dots.end());
                QVERIFY(near(at->at, (v == 0 ? left : right)[k].anchor));
            }
        }
    }

    // Each stalk runs from its star to the plane: solid above the plane, dashed below it.
    void stalksSolidAboveDashedBelow()
    {
        for (const bool throughCentre : { false, true }) {
            const StarTable table = StarTable::fromCatalogue();
            MapModel model(table);
            model.view.selectedStar = starNamed(table, "Tau Ceti");
            const SpaceScene scene = sceneFromModel(model);
            SpaceOptions options;
            options.radius = 0;
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
                const auto stalk = std::find_if(
                    device.lines().begin(), device.lines().end(), [&](const RecordingPaintDevice::Line &l) {
                        return near(l.line.p1(), top.at) && near(l.line.p2(), foot.at);
                    });
                QVERIFY2(stalk != device.lines().end(), qPrintable(star.name));
                QCOMPARE(stalk->pen.style(), star.at.z() > plane ? Qt::SolidLine : Qt::DashLine);
                ++(star.at.z() > plane ? above : below);
            }
            QVERIFY(above > 40 && below > 40);
        }
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
