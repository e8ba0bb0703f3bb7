// Finding text in the notes of a 12 MB game state (64 KB of notes on each of the 192 stars), one
// keystroke at a time as the user types, and the worst case of a query found nowhere.
#include "catalogue/startable.h"
#include "notes/notesstore.h"
#include "notesearch/notessearch.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
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

// Typing "pirate base" into an empty field, one keystroke at a time: each iteration types it all and
// reports the median of its eleven keystrokes (the first, which searches every text in full, is
// also reported on its own as ms_first_key, the slowest as ms_worst_key). A fixed number of runs:
// the time measured is only the median keystroke, far below what every run costs.
void BM_FindInNotesKeystroke(benchmark::State &state)
{
    const StarTable table = StarTable::fromCatalogue();
    const NotesStore notes = campaignNotes(table.size(), 64 * 1024);
    NotesSearch search(notes);
    search.find(QStringLiteral("warm-up"));
    std::vector<double> keys;
    double first = 0, worst = 0;
    size_t found = 0;
    for (auto _ : state) {
        keys.clear();
        search.find(QString());
        for (qsizetype length = 1; length <= kTyped.size(); ++length) {
            const auto start = std::chrono::steady_clock::now();
            found = search.find(kTyped.left(length)).size();
            keys.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
        first = keys.front();
        worst = *std::max_element(keys.begin(), keys.end());
        std::nth_element(keys.begin(), keys.begin() + keys.size() / 2, keys.end());
        state.SetIterationTime(keys[keys.size() / 2]);
    }
    state.counters["ms_first_key"] = first * 1000;
    state.counters["ms_worst_key"] = worst * 1000;
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

BENCHMARK(BM_FindInNotesKeystroke)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindInNotesNowhere)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindAfterNotesChange)->Unit(benchmark::kMillisecond);
