// Writing the recovery file for a large game state: what the timer does a second after a change.
#include "recovery/recoveryfile.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// 192 stars whose game-master and player texts hold `kilobytes` KB of UTF-8 in all (a 12 MB game
// state at 64), with the typing of a few lines in the boxes and a route.
EditState largeState(int kilobytes)
{
    const QString sentence = QStringLiteral("Orbital yard, \"Kessel\" relay; naïve pilots, 3 jumps out.\r\n");
    const QString text = sentence.repeated(kilobytes * 1024 / int(sentence.toUtf8().size()) + 1);
    EditState state { NotesStore(192), { sentence.repeated(20), sentence }, { 165, 12, -7, -7, 0 }, Campaign(192) };
    state.campaign.travel = { 7.5, { 165, 12 } };
    for (int i = 0; i < 192; ++i)
        state.notes.setNotes(i, text.left(text.size() / 2), text.mid(text.size() / 2));
    return state;
}

// After a change of the notes (a save of the boxes, a load): the whole game state is encoded.
void BM_WriteRecovery(benchmark::State &state)
{
    RecoveryContents contents { largeState(static_cast<int>(state.range(0))), 192, QDateTime::currentDateTime() };
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("recovery.kmf"));
    RecoveryWriter writer;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        NotesStore &notes = contents.state.notes;
        notes.setNotes(0, notes.gameMasterText(0), QString::number(++round));
        state.ResumeTiming();
        benchmark::DoNotOptimize(writer.write(name, contents));
    }
    state.counters["MB"] = double(QFileInfo(name).size()) / 1e6;
}

// After typing in a box, scrolling or a route: the notes are as in the last file.
void BM_WriteRecoveryTyping(benchmark::State &state)
{
    RecoveryContents contents { largeState(static_cast<int>(state.range(0))), 192, QDateTime::currentDateTime() };
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("recovery.kmf"));
    RecoveryWriter writer;
    for (auto _ : state) {
        contents.state.boxes.playerNotes += u'x';
        benchmark::DoNotOptimize(writer.write(name, contents));
    }
}

} // namespace

BENCHMARK(BM_WriteRecovery)->Arg(4)->Arg(64)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_WriteRecoveryTyping)->Arg(64)->Unit(benchmark::kMillisecond)->Repetitions(5);
