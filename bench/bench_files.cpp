// Saving and loading a game state with notes on every star, and printing the map to a PDF file.
#include "files/statecheck.h"
#include "files/statecodec.h"
#include "mapview/mapmodel.h"
#include "output/currentprinter.h"
#include "output/printdialog.h"
#include "output/printmapcommand.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

// Every star carries game-master and player notes of `bytes` characters in all.
NotesStore fullNotes(int stars, int bytes)
{
    const QString line = QStringLiteral("Hot jungle, \"dense\" canopy; café at the landing strip.\r\n");
    const QString text = line.repeated(bytes / line.size() + 1).left(bytes);
    NotesStore notes(stars);
    for (int i = 0; i < stars; ++i)
        notes.setNotes(i, text.left(bytes / 2), text.mid(bytes / 2 + 1));
    return notes;
}

void BM_SaveState(benchmark::State &state)
{
    const StarTable table = StarTable::fromCatalogue();
    const NotesStore notes = fullNotes(table.size(), static_cast<int>(state.range(0)) * 1024);
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("bench.kmf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(saveStateFile(name, ViewState(), notes, false));
    state.SetBytesProcessed(state.iterations() * QFileInfo(name).size());
}

// Loads a game state of `state.range(0)` kilobytes of notes a star, over and over. Checked, the load
// is the one "Load Game State" makes: the whole file read and checked, then decoded; its ratio to
// the plain load is what the check costs.
void loadState(benchmark::State &state, bool checked)
{
    const StarTable table = StarTable::fromCatalogue();
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("bench.kmf"));
    saveStateFile(name, ViewState(), fullNotes(table.size(), static_cast<int>(state.range(0)) * 1024), false);
    ViewState view;
    NotesStore notes(table.size());
    for (auto _ : state) {
        QByteArray data;
        const bool loaded = checked
            ? readWholeFile(name, data, nullptr) && !checkState(data, table.size()) && decodeState(data, view, notes)
            : loadStateFile(name, view, notes);
        if (!loaded)
            state.SkipWithError("the file did not load");
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(name).size());
}

void BM_LoadState(benchmark::State &state)
{
    loadState(state, false);
}

void BM_LoadCheckedState(benchmark::State &state)
{
    loadState(state, true);
}

class PdfDialog : public PrintDialog
{
public:
    QString fileName;
    bool showPrinter(QWidget *, QPrinter &printer) override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fileName);
        return true;
    }
};

void BM_PrintToPdf(benchmark::State &state)
{
    const StarTable table = StarTable::fromCatalogue();
    MapModel model(table);
    model.logoBoxVisible = false;
    CurrentPrinter printer;
    PdfDialog dialog;
    QTemporaryDir dir;
    dialog.fileName = dir.filePath(QStringLiteral("map.pdf"));
    QWidget owner;
    PrintMapCommand print(
        model, printer, dialog, &owner, [] {}, [] {});
    for (auto _ : state)
        print.printMap();
}

} // namespace

BENCHMARK(BM_SaveState)->RangeMultiplier(4)->Range(4, 64)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_LoadState)->RangeMultiplier(4)->Range(4, 64)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_LoadCheckedState)->Arg(64)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_PrintToPdf)->Unit(benchmark::kMillisecond)->Repetitions(5);
