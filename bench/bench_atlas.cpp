// Writing a light campaign atlas of 21 pages with star names: title, contents, overview, the whole
// catalogue covered by 14 sector maps with every display option on and a route, and 4 index pages for
// the long notes on every twelfth star. The benchmark reports an error when the atlas comes out another size.
#include "atlas/atlaswriter.h"
#include "catalogue/startable.h"
#include "mapview/mapmodel.h"
#include "mapview/redraw.h"

#include <benchmark/benchmark.h>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

namespace {

constexpr int kPages = 21;
constexpr int kSectors = 14;

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
    const auto pages = static_cast<int>(QPDFPageDocumentHelper(document).getAllPages().size());
    const auto sectors = static_cast<int>(AtlasWriter(model, request).plan().sectors.size());
    state.counters["pages"] = pages;
    state.counters["sectors"] = sectors;
    state.counters["KB"] = static_cast<double>(pdf.size()) / 1024;
    if (pages != kPages || sectors != kSectors)
        state.SkipWithError("the atlas is not the 21 pages and 14 sectors stated");
}

} // namespace

BENCHMARK(BM_ExportAtlas)->Unit(benchmark::kMillisecond);
