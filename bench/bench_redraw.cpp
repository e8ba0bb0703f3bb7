// One map redraw onto a screen-sized backing image, with the default options, with every option
// on, with the default options plus reach links at the longest jump limit and a plotted route, and
// with the territories of ten polities shown (argument 3), and with star names shown,
// against the cost of just clearing and showing that image.

#include "clearandblit.h"

#include "catalogue/startable.h"
#include "mapview/mapmodel.h"
#include "mapview/paintersurface.h"
#include "mapview/redraw.h"
#include "routes/routesearch.h"
#include "support/samplepolities.h"

#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

// The map area of a 1920-pixel-wide screen: 0.9 of its width in the page's proportions.
const QSize kMapSize(1728, 1222);

// As the window draws: a fresh surface on each redraw over the window's cache.
void drawOnce(MapModel &model, QImage &image, RasterCache &cache)
{
    QPainter painter(&image);
    PainterSurface surface(painter, QSizeF(297, 210), QRectF(QPointF(0, 0), QSizeF(kMapSize)), false, &cache);
    benchmark::DoNotOptimize(redrawMap(model, surface));
}

void BM_ClearAndBlit(benchmark::State &state)
{
    clearAndBlit(state, kMapSize);
}
BENCHMARK(BM_ClearAndBlit)->Unit(benchmark::kMillisecond);

MapModel startModel(const StarTable &table)
{
    MapModel model(table);
    model.logo = QImage(QStringLiteral(":/vqalogo.png"));
    model.logoNegative = QImage(QStringLiteral(":/vqalogoneg.png"));
    model.logoBoxVisible = false;
    model.view.textScale = kMapSize.width() / (297.0 / 25.4 * 96.0);
    return model;
}

void redrawRepeatedly(benchmark::State &state, MapModel &model)
{
    QImage image(kMapSize, QImage::Format_RGB32);
    RasterCache cache;
    for (auto _ : state)
        drawOnce(model, image, cache);
}

void BM_Redraw(benchmark::State &state)
{
    const StarTable table = StarTable::fromCatalogue();
    MapModel model = startModel(table);
    if (state.range(0) == 1) {
        model.options.rangeText = QStringLiteral("10");
        model.options.rangeCircleBox = model.options.greyStarsBox = model.options.spheresBox
            = model.options.starNumbersBox = 1;
        model.options.printerMode = true;
    } else if (state.range(0) == 2) {
        model.options.linksBox = 1;
        model.campaign.travel.jumpLimit = 15.0;
        model.campaign.travel.route = plotRoute(model.distances, StarTable::kSol, 0, 5.0).stars;
    } else if (state.range(0) == 3) {
        model.campaign.polities = samplePolities(table);
        model.options.territoriesBox = 1;
    }
    redrawRepeatedly(state, model);
}
BENCHMARK(BM_Redraw)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->ArgName("all_options")->Unit(benchmark::kMillisecond);

// The start map with "Show star names": the 36 stars of the sector named, with a route to place
// them round.
void BM_RedrawWithNames(benchmark::State &state)
{
    const StarTable table = StarTable::fromCatalogue();
    MapModel model = startModel(table);
    model.options.starNamesBox = 1;
    model.campaign.travel.route = plotRoute(model.distances, StarTable::kSol, 0, 5.0).stars;
    redrawRepeatedly(state, model);
}
BENCHMARK(BM_RedrawWithNames)->Unit(benchmark::kMillisecond);

} // namespace
