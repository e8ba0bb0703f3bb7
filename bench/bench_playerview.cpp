// The player view's redraw (the player-safe copy made from the game master's campaign, then the
// map drawn from it onto a screen-sized backing image) against the clear-and-blit floor of the same
// run. The redraw's counter "x_floor" is its time over the floor measured just before it; the
// target is at most 5.

#include "clearandblit.h"

#include "catalogue/startable.h"
#include "mapview/mapmodel.h"
#include "mapview/paintersurface.h"
#include "mapview/redraw.h"
#include "reveal/playercopy.h"
#include "routes/routesearch.h"

#include <QElapsedTimer>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

const QSize kMapSize(1728, 1222); // as the map redraw benchmark

// A campaign in play: a third of the stars Hidden, a third Known, notes on every other star, a route.
void campaignInPlay(MapModel &model)
{
    for (int i = 0; i < model.stars->size(); ++i) {
        model.campaign.reveal.setState(i, static_cast<Reveal>(i % 3));
        if (i % 2 == 0)
            model.notes.setNotes(i, QStringLiteral("GM notes %1").arg(i), QStringLiteral("Player notes %1").arg(i));
    }
    model.campaign.reveal.setState(StarTable::kSol, Reveal::Surveyed);
    model.campaign.travel.route = plotRoute(model.distances, StarTable::kSol, 0, 8.0).stars;
}

void BM_PlayerViewRedraw(benchmark::State &state)
{
    const StarTable table = StarTable::fromCatalogue();
    MapModel model(table);
    model.logoBoxVisible = false;
    model.view.textScale = kMapSize.width() / (297.0 / 25.4 * 96.0);
    campaignInPlay(model);
    QImage image(kMapSize, QImage::Format_RGB32);
    QImage screen(kMapSize, QImage::Format_RGB32);
    RasterCache cache;
    const double floor = clearAndBlitMs(kMapSize);
    QElapsedTimer timer;
    timer.start();
    for (auto _ : state) {
        const PlayerCopy players(model);
        MapModel shown = players.model();
        clearAndBlitOnce(image, screen);
        QPainter painter(&image);
        PainterSurface surface(painter, QSizeF(297, 210), QRectF(QPointF(0, 0), QSizeF(kMapSize)), false, &cache);
        benchmark::DoNotOptimize(redrawMap(shown, surface));
    }
    const double perRedraw = timer.nsecsElapsed() / 1e6 / static_cast<double>(state.iterations());
    state.counters["floor_ms"] = floor;
    state.counters["x_floor"] = perRedraw / floor;
}
BENCHMARK(BM_PlayerViewRedraw)->Unit(benchmark::kMillisecond);

} // namespace
