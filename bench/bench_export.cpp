// Exporting the map of the start-up view with every option on, to each file format: the same
// passes and painter surface as the printer, onto an A4 landscape page.
#include "catalogue/startable.h"
#include "export/mapexport.h"
#include "mapview/mapmodel.h"
#include "mapview/redraw.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Alpha Centauri selected, every display option on, as a game master's busiest map.
MapModel busyModel(const StarTable &table)
{
    MapModel model(table);
    model.logo = QImage(QStringLiteral(":/vqalogo.png"));
    model.logoNegative = QImage(QStringLiteral(":/vqalogoneg.png"));
    model.options.rangeCircleBox = model.options.greyStarsBox = model.options.spheresBox = model.options.starNumbersBox
        = 1;
    model.options.heightBox = 1;
    beginRedraw(model); // the first redraw only hides the logo box
    beginRedraw(model);
    return model;
}

void exportTo(benchmark::State &state, const char *fileName, int dpi)
{
    const StarTable table = StarTable::fromCatalogue();
    const MapModel model = busyModel(table);
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(fileName));
    for (auto _ : state)
        if (!mapexport::exportMap(model, path, dpi))
            state.SkipWithError("export failed");
}

void BM_ExportSvg(benchmark::State &state)
{
    exportTo(state, "map.svg", 0);
}
void BM_ExportPdf(benchmark::State &state)
{
    exportTo(state, "map.pdf", 0);
}
void BM_ExportPng(benchmark::State &state)
{
    exportTo(state, "map.png", static_cast<int>(state.range(0)));
}

} // namespace

BENCHMARK(BM_ExportSvg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportPng)->Arg(150)->Arg(300)->ArgName("dpi")->Unit(benchmark::kMillisecond);
