// Writing a light campaign atlas of 21 pages with star names: title, contents, overview, the whole
// catalogue covered by 14 sector maps with every display option on and a route, and the index pages.
#include "atlas/atlaswriter.h"
#include "catalogue/startable.h"
#include "mapview/mapmodel.h"
#include "mapview/redraw.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

namespace {

void BM_ExportAtlas(benchmark::State &state)
{
    const StarTable table = StarTable::fromCatalogue();
    MapModel model(table);
    model.logo = QImage(QStringLiteral(":/vqalogo.png"));
    model.logoNegative = QImage(QStringLiteral(":/vqalogoneg.png"));
    model.options.rangeCircleBox = model.options.greyStarsBox = model.options.spheresBox = 1;
    model.options.starNumbersBox = model.options.heightBox = 1;
    model.options.printerMode = true;
    beginRedraw(model); // the first redraw only hides the logo box
    beginRedraw(model);
    model.campaign.travel.route = { StarTable::kSol, 0, 1 };
    const QString note = QStringLiteral("Trade station in high orbit, two mining colonies on the inner moons; "
                                        "the guild pays well for ore.\r\n");
    for (int i = 0; i < table.size(); i += 12)
        model.notes.setNotes(i, note.repeated(2), note);
    const AtlasRequest request { AtlasEdition::GameMaster, SectorChoice::WholeCatalogue, QDate(2026, 12, 7), {}, {} };
    QByteArray pdf;
    for (auto _ : state) {
        pdf = AtlasWriter(model, request).pdf();
        if (pdf.isEmpty())
            state.SkipWithError("no atlas");
    }
    QPDF document;
    document.processMemoryFile("atlas", pdf.constData(), static_cast<size_t>(pdf.size()));
    state.counters["pages"] = static_cast<double>(QPDFPageDocumentHelper(document).getAllPages().size());
    state.counters["KB"] = static_cast<double>(pdf.size()) / 1024;
}

} // namespace

BENCHMARK(BM_ExportAtlas)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
