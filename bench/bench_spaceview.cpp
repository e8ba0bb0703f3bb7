// The 3-D view at 1600 x 1000: one whole frame (plane, stalks, route, dots, labels) of the catalogue
// with a plotted route (and with the territories of ten polities), one drag step of the real window to its new frame,
// and a synthetic scene of 10 000 stars, against the cost of just clearing and showing an image of that size.

#include "clearandblit.h"

#include "catalogue/startable.h"
#include "mapview/colours.h"
#include "mapview/mapmodel.h"
#include "routes/routesearch.h"
#include "spaceview/scenecache.h"
#include "spaceview/scenepainter.h"
#include "spaceview/spaceviewcanvas.h"
#include "support/samplepolities.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <random>

namespace {

const QSize kViewSize(1600, 1000);

SpaceScene catalogueScene(bool territories = false)
{
    static const StarTable table = StarTable::fromCatalogue();
    MapModel model(table);
    if (territories) {
        model.campaign.polities = samplePolities(table);
        model.view.showTerritories = true;
    }
    int tauCeti = 0;
    for (int i = 0; i < table.size(); ++i)
        if (table[i].starName == QLatin1String("Tau Ceti"))
            tauCeti = i;
    model.view.secondStar = tauCeti;
    model.campaign.travel.route = plotRoute(model.distances, StarTable::kSol, tauCeti, 8.0).stars;
    return sceneFromModel(model);
}

// "All stars": every star drawn and competing for a label, the heaviest choice of the radius filter.
SpaceOptions allStars()
{
    SpaceOptions options;
    options.radius = 0;
    return options;
}

SpaceScene syntheticScene(int count)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(-35, 35);
    SpaceScene scene;
    for (int i = 0; i < count; ++i) {
        const QVector3D at(coordinate(random), coordinate(random), coordinate(random));
        scene.stars.push_back(
            { at, colourByZ(qint16(at.z())), QStringLiteral("Star %1").arg(i), QStringLiteral("G2") });
    }
    scene.selected = scene.sol = 0;
    return scene;
}

// Painting the frame on the window's backing image and showing that image.
void frameAndBlit(benchmark::State &state, const SpaceScene &scene)
{
    QImage image(kViewSize, QImage::Format_RGB32);
    QImage screen(kViewSize, QImage::Format_RGB32);
    SceneCache cache;
    const SpaceCamera camera;
    const SpaceOptions options = allStars();
    for (auto _ : state) {
        {
            QPainter painter(&image);
            benchmark::DoNotOptimize(paintScene(painter, QSizeF(kViewSize), scene, camera, options, &cache));
        }
        QPainter painter(&screen);
        painter.drawImage(0, 0, image);
    }
}

void BM_SpaceClearAndBlit(benchmark::State &state)
{
    clearAndBlit(state, kViewSize);
}
BENCHMARK(BM_SpaceClearAndBlit)->Unit(benchmark::kMillisecond);

void BM_SpaceFrame(benchmark::State &state)
{
    frameAndBlit(state, catalogueScene());
}
BENCHMARK(BM_SpaceFrame)->Unit(benchmark::kMillisecond);

// The same frame with the territory outlines of ten polities (worked out once, before the frames).
void BM_SpaceFrameTerritories(benchmark::State &state)
{
    frameAndBlit(state, catalogueScene(true));
}
BENCHMARK(BM_SpaceFrameTerritories)->Unit(benchmark::kMillisecond);

void BM_SpaceSynthetic10000(benchmark::State &state)
{
    frameAndBlit(state, syntheticScene(10000));
}
BENCHMARK(BM_SpaceSynthetic10000)->Unit(benchmark::kMillisecond);

// A left-drag step on the real canvas: the mouse moves, the camera turns and tilts, the new frame is
// drawn and painted to the window.
void BM_SpaceDragStep(benchmark::State &state)
{
    SpaceViewCanvas canvas;
    canvas.resize(kViewSize);
    canvas.show();
    canvas.setOptions(allStars());
    canvas.setScene(catalogueScene());
    QApplication::processEvents();
    const QPointF start(800, 500);
    QMouseEvent press(QEvent::MouseButtonPress, start, start, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&canvas, &press);
    int step = 0;
    for (auto _ : state) {
        // Back and forth across the first few pixels past the click slack, so the camera stays near home.
        const QPointF at = start + QPointF(10 + (step++ % 2) * 4, 10);
        QMouseEvent move(QEvent::MouseMove, at, at, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&canvas, &move);
        canvas.repaint();
    }
}
BENCHMARK(BM_SpaceDragStep)->Unit(benchmark::kMillisecond);

} // namespace
