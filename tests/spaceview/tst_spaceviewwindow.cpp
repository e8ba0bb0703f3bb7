#include "app/navigationwiring.h"
#include "app/spacewiring.h"
#include "mapview/colours.h"
#include "spaceview/sceneshown.h"
#include "spaceview/spaceviewcanvas.h"
#include "spaceview/spaceviewwindow.h"
#include "support/mainwindowfixture.h"
#include "support/pdftext.h"
#include "support/scenedots.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// The dot of `star` in the canvas's last frame, or none.
const SceneDot *dotOf(const SpaceViewCanvas *canvas, int star)
{
    for (const SceneDot &dot : canvas->frame().dots)
        if (dot.star == star)
            return &dot;
    return nullptr;
}

} // namespace

// The 3D View window on the real main window: picking, following the map, keys, settings and files.
class TestSpaceViewWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
    }

    void init()
    {
        m_fixture = std::make_unique<MainWindowFixture>();
        m_window = m_fixture->window();
        m_services = &m_fixture->services;
        m_services->dpi = 300;
        m_window->menu().spaceViewAction->trigger();
        m_space = m_window->findChild<SpaceViewWindow *>();
        QVERIFY(m_space && m_space->isVisible());
        m_space->resize(1100, 760);
        QVERIFY(QTest::qWaitForWindowExposed(m_space));
        m_canvas = m_space->canvas();
    }
    void cleanup()
    {
        m_fixture.reset();
        QSettings().clear();
    }

    // A left click on a dot selects that star as a click on its map marker does (the sector centres on
    // it) and the view turns to it; a right click makes it the second star.
    void clickingDotsSelectsStars()
    {
        MapModel &model = m_window->model();
        for (int k = 0; k < 20; ++k) {
            const SceneDot *dot = clearDot(m_canvas, model.view.selectedStar);
            QVERIFY(dot);
            const int star = dot->star;
            QTest::mouseClick(m_canvas, Qt::LeftButton, {}, dot->at.toPoint());
            QCOMPARE(model.view.selectedStar, star);
            QCOMPARE(model.view.originX, qBound(-35, model.stars->operator[](star).x - 7, 20));
            QCOMPARE(m_canvas->scene().selected, star);
            const SceneDot *centre = dotOf(m_canvas, star);
            QVERIFY(centre && QLineF(centre->at, QRectF(m_canvas->rect()).center()).length() < 1.0);
        }
        const int selected = model.view.selectedStar;
        const SceneDot *dot = clearDot(m_canvas, selected);
        QVERIFY(dot);
        const int second = dot->star;
        QTest::mouseClick(m_canvas, Qt::RightButton, {}, dot->at.toPoint());
        QCOMPARE(model.view.selectedStar, selected);
        QCOMPARE(model.view.secondStar, second);
        QCOMPARE(m_canvas->scene().second, second);
    }

    // A selection and a colour code chosen on the map show in the 3-D view at the next redraw.
    void viewFollowsTheMap()
    {
        MapModel &model = m_window->model();
        const int tarn = 111;
        m_window->navigation()->markerPressed(tarn, 1);
        QCOMPARE(m_canvas->scene().selected, tarn);
        QVERIFY(QLineF(dotOf(m_canvas, tarn)->at, QRectF(m_canvas->rect()).center()).length() < 1.0);
        model.options.colourCode = 1;
        m_window->refreshMap();
        for (int i = 0; i < model.stars->size(); ++i)
            QCOMPARE(m_canvas->scene().stars[size_t(i)].colour, starColour(model, i));
    }

    // The atlas's overview picture is the 3-D view from the window's own camera: it turns with it, and
    // on a light page it is drawn light although the map is in the dark screen mode.
    void atlasPictureFollowsTheCamera()
    {
        QVERIFY(!m_window->model().view.printerMode);
        const OverviewPicture picture = spaceViewPicture(m_window->workspace());
        const auto draw = [&picture](bool light = true) {
            QImage image(400, 300, QImage::Format_RGB32);
            image.fill(Qt::gray);
            QPainter painter(&image);
            picture(painter, QRectF(0, 0, 400, 300), light);
            return image;
        };
        QImage blank(400, 300, QImage::Format_RGB32);
        blank.fill(Qt::white);
        const QImage before = draw();
        QVERIFY(before != blank);
        QCOMPARE(before.pixelColor(2, 2), QColor(Qt::white));
        QCOMPARE(draw(false).pixelColor(2, 2), QColor(Qt::black));
        QTest::keyClick(m_canvas, Qt::Key_Left);
        QTest::keyClick(m_canvas, Qt::Key_Left);
        QVERIFY(draw() != before);
    }

    void keys_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<double>("turn");
        QTest::addColumn<double>("tilt");
        QTest::addColumn<double>("distance"); // a share of the distance zoomed to at opening when negative
        const double d = SpaceCamera::kDefaultDistance;
        QTest::newRow("left") << QList<int> { Qt::Key_Left } << 5.0 << 30.0 << -1.0;
        QTest::newRow("right") << QList<int> { Qt::Key_Right } << 355.0 << 30.0 << -1.0;
        QTest::newRow("up to straight down") << QList<int>(8, Qt::Key_Up) << 0.0 << 0.0 << -1.0;
        QTest::newRow("down to edge-on") << QList<int>(20, Qt::Key_Down) << 0.0 << 90.0 << -1.0;
        QTest::newRow("plus, minus") << QList<int> { Qt::Key_Plus, Qt::Key_Plus, Qt::Key_Minus } << 0.0 << 30.0 << -0.8;
        QTest::newRow("home") << QList<int> { Qt::Key_Left, Qt::Key_Down, Qt::Key_Minus, Qt::Key_Home } << 0.0 << 30.0
                              << d;
        QTest::newRow("top") << QList<int> { Qt::Key_Left, Qt::Key_T } << 0.0 << 0.0 << d;
    }
    void keys()
    {
        QFETCH(QList<int>, keys);
        const double opening = m_canvas->camera().distance;
        for (const int key : keys)
            QTest::keyClick(m_canvas, Qt::Key(key));
        QTEST(m_canvas->camera().turn, "turn");
        QTEST(m_canvas->camera().tilt, "tilt");
        QFETCH(double, distance);
        if (distance < 0)
            distance *= -opening;
        QVERIFY(qAbs(m_canvas->camera().distance - distance) < 1e-9);
    }

    // The camera and the options come back in the next run's window; a remembered zoom is not fitted again.
    void keptBetweenRuns()
    {
        for (const Qt::Key key : { Qt::Key_Left, Qt::Key_Down, Qt::Key_Minus })
            QTest::keyClick(m_canvas, key);
        m_space->findChild<QCheckBox *>("spacelinks")->click();
        const SpaceCamera camera = m_canvas->camera();
        m_fixture.reset();
        init();
        QCOMPARE(m_canvas->camera().turn, camera.turn);
        QCOMPARE(m_canvas->camera().tilt, camera.tilt);
        QCOMPARE(m_canvas->camera().distance, camera.distance);
        QVERIFY(m_canvas->options().reachLinks);
        QVERIFY(m_space->findChild<QCheckBox *>("spacelinks")->isChecked());
    }

    // Export writes what the extension names: an SVG that parses, one A4 landscape PDF page, a PNG of its
    // resolution's size; the stereo pair draws the view twice.
    void exportFiles_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<bool>("stereo");
        QTest::newRow("svg") << "svg" << 0 << false;
        QTest::newRow("pdf") << "pdf" << 0 << false;
        QTest::newRow("pdf stereo") << "pdf" << 0 << true;
        QTest::newRow("png 150") << "png" << 150 << false;
        QTest::newRow("png 300 stereo") << "png" << 300 << true;
        QTest::newRow("png 600") << "png" << 600 << false;
    }
    void exportFiles()
    {
        QFETCH(QString, suffix);
        QFETCH(int, dpi);
        QFETCH(bool, stereo);
        if (stereo)
            m_space->findChild<QCheckBox *>("spacestereo")->click();
        QTemporaryDir dir;
        m_services->answer = dir.filePath("view." + suffix);
        m_services->dpi = dpi;
        m_space->exportView();
        QCOMPARE(m_services->shown,
            QStringList { "The 3D view has been written to " + m_services->answer + "|Export 3D View|?" });
        const QByteArray written = contents(m_services->answer);
        if (suffix == "svg") {
            QXmlStreamReader xml(written);
            int texts = 0;
            while (!xml.atEnd())
                if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
                    ++texts;
            QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
            QVERIFY(texts > 20);
        } else if (suffix == "pdf") {
            QVERIFY(onePdfPage(written, 841.89, 595.28));
        } else {
            QImageReader::setAllocationLimit(512);
            const QImage image(m_services->answer);
            QCOMPARE(image.size(), QSize(qRound(297 / 25.4 * dpi), qRound(210 / 25.4 * dpi)));
            // Sol, the centre, in the middle of the page; a stereo pair leaves the page's edges white.
            const QPoint middle(image.width() / 2, image.height() / 2);
            if (stereo)
                QCOMPARE(image.pixelColor(2, middle.y()), QColor(Qt::white));
            else
                QCOMPARE(image.pixelColor(middle), toQColor(colourByZ(0)));
        }
    }

    // A first opening shows the stars within 15 ly of the centre star, zoomed to fit them; "All stars"
    // stays a choice.
    void firstOpeningFitsFifteenLightYears()
    {
        auto *radius = m_space->findChild<QComboBox *>("spaceradius");
        QCOMPARE(radius->currentText(), QString("Within 15 ly"));
        QCOMPARE(radius->itemText(0), QString("All stars"));
        const SpaceScene &scene = m_canvas->scene();
        const QRectF view(m_canvas->rect());
        double farthest = 0.0;
        int within = 0;
        for (int i = 0; i < int(scene.stars.size()); ++i) {
            if (scene.distance(i, scene.centreStar()) > 15.0 && !alwaysNamed(scene, i))
                continue;
            ++within;
            const SceneDot *dot = dotOf(m_canvas, i);
            QVERIFY(dot && view.contains(dot->at));
            farthest = std::max(farthest,
                std::max(qAbs(dot->at.x() - view.center().x()) / view.width(),
                    qAbs(dot->at.y() - view.center().y()) / view.height()));
        }
        QVERIFY(within > 20);
        QCOMPARE(m_canvas->frame().dots.size(), size_t(within));
        // Zoomed to fit: the outermost star stands near an edge, not lost in the middle.
        QVERIFY(farthest > 0.35);
    }

    // The readout gives the distance between the selected and second star, the route's legs and total,
    // the rings' radii and the key of the map's colour code, and follows the map and the radius.
    void readout()
    {
        MapModel &model = m_window->model();
        model.view.secondStar = m_fixture->star("Tau Ceti");
        model.campaign.travel.route = { StarTable::kSol, m_fixture->star("UV Ceti A"), model.view.secondStar };
        model.options.colourCode = 1;
        m_window->refreshMap();
        const QString text = m_space->readout()->text();
        for (const QString &line : { QString("Sol to Tau Ceti: 11.6 ly"), QString("Sol to UV Ceti A: 7.9 ly"),
                 QString("UV Ceti A to Tau Ceti: 3.7 ly"), QString("Total: 11.6 ly"),
                 QString("Rings on the plane around Sol: 5, 10, 15 ly"), QString("SPECTRAL CLASS KEY"),
                 toQColor(colourBySpectralType("M")).name() })
            QVERIFY2(text.contains(line), qPrintable(line + " not in " + text));
        m_space->findChild<QComboBox *>("spaceradius")->setCurrentIndex(0);
        QVERIFY(m_space->readout()->text().contains("5, 10, 15, 20, 25, 30, 35 ly"));
    }

    // Print goes through the printer dialog of Print Map and prints one A4 landscape page; a cancelled
    // dialog prints nothing.
    void print()
    {
        QTemporaryDir dir;
        m_services->printTo = dir.filePath("printed.pdf");
        m_space->findChild<QPushButton *>("spaceprint")->click();
        QVERIFY(onePdfPage(contents(m_services->printTo), 841.89, 595.28)); // A4 landscape
        QFile::remove(m_services->printTo);
        m_services->printTo.clear();
        m_space->printView();
        QVERIFY(!QFile::exists(dir.filePath("printed.pdf")));
    }

private:
    std::unique_ptr<MainWindowFixture> m_fixture;
    MainWindow *m_window = nullptr;
    ScriptedServices *m_services = nullptr;
    SpaceViewWindow *m_space = nullptr;
    SpaceViewCanvas *m_canvas = nullptr;
};

QTEST_MAIN(TestSpaceViewWindow)
#include "tst_spaceviewwindow.moc"
