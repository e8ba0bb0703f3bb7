// Finding text in the notes of a 12 MB game state (64 KB of notes on each of the 192 stars), one
// keystroke at a time as the user types, and the worst case of a query found nowhere.
#include "catalogue/startable.h"
#include "notes/notesstore.h"
#include "notesearch/notessearch.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <random>

namespace {

const QString kTyped = QStringLiteral("pirate base");

// Words of game notes, some with accents; every fortieth star hides a pirate base in its GM notes.
NotesStore campaignNotes(int stars, int bytesPerStar)
{
    const QStringList words = QString("the of and jungle canopy landing strip café ice moon orbit trade guild "
                                      "smugglers ruins échelon naïve crew dock fuel reactor colony mine ore "
                                      "station beacon rumours Ångström signal derelict corvette patrol tariff")
                                  .split(u' ');
    std::mt19937 random(7);
    NotesStore notes(stars);
    for (int i = 0; i < stars; ++i) {
        QString text;
        text.reserve(bytesPerStar);
        while (text.size() < bytesPerStar) {
            for (int w = 0; w < 12; ++w)
                text += words[static_cast<qsizetype>(random() % words.size())] + u' ';
            text += QStringLiteral("\r\n");
        }
        const qsizetype half = text.size() * 2 / 3;
        QString gm = text.left(half);
        if (i % 40 == 0)
            gm.insert(half / 2, QStringLiteral(" the Pirate Base of Tyr "));
        notes.setNotes(i, gm, text.mid(half));
    }
    return notes;
}

// The keystroke that makes the query state.range(0) characters long, after the ones before it.
void BM_FindInNotesKeystroke(benchmark::State &state)
{
    const StarTable table = StarTable::fromCatalogue();
    const NotesStore notes = campaignNotes(table.size(), 64 * 1024);
    NotesSearch search(notes);
    const int length = static_cast<int>(state.range(0));
    size_t found = 0;
    for (auto _ : state) {
        state.PauseTiming();
        search.find(QString());
        for (int typed = 1; typed < length; ++typed)
            search.find(kTyped.left(typed));
        state.ResumeTiming();
        found = search.find(kTyped.left(length)).size();
    }
    state.counters["matches"] = static_cast<double>(found);
}

// A query typed at once (pasted) that no note holds: every folded text is searched to its end.
void BM_FindInNotesNowhere(benchmark::State &state)
{
    const StarTable table = StarTable::fromCatalogue();
    const NotesStore notes = campaignNotes(table.size(), 64 * 1024);
    NotesSearch search(notes);
    search.find(QStringLiteral("warm-up"));
    for (auto _ : state) {
        search.find(QString());
        benchmark::DoNotOptimize(search.find(QStringLiteral("zqx")));
    }
}

// Saving one star's notes: the next search folds that star's texts again.
void BM_FindAfterNotesChange(benchmark::State &state)
{
    const StarTable table = StarTable::fromCatalogue();
    NotesStore notes = campaignNotes(table.size(), 64 * 1024);
    NotesSearch search(notes);
    search.find(QStringLiteral("warm-up"));
    int star = 0;
    for (auto _ : state) {
        state.PauseTiming();
        notes.setNotes(star, notes.gameMasterText(star) + u'.', notes.playerText(star));
        star = (star + 1) % notes.size();
        state.ResumeTiming();
        benchmark::DoNotOptimize(search.find(QStringLiteral("pirate")));
    }
}

} // namespace

BENCHMARK(BM_FindInNotesKeystroke)->DenseRange(1, 11, 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindInNotesNowhere)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindAfterNotesChange)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
