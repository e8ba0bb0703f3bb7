#include "catalogue/starrec.h"
#include "generator/clockrandom.h"
#include "generator/gensystem.h"
#include "generator/notesbox.h"

#include <benchmark/benchmark.h>

namespace {

class StringBox : public NotesBox
{
public:
    QString text() const override { return m_text; }
    void setText(const QString &text) override { m_text = text; }

private:
    QString m_text;
};

// One twelve-orbit system for a G2 star with the real clock-seeded dice, as one button press makes.
void generateG2System(benchmark::State &state)
{
    StarRecord star;
    star.spectralClass = QStringLiteral("G2");
    star.firstOrbit = 1;
    star.lastOrbit = 12;
    ClockRandom random;
    StringBox box;
    for (auto _ : state) {
        generateSystem(star, random, box);
        benchmark::DoNotOptimize(box);
    }
}
BENCHMARK(generateG2System)->Unit(benchmark::kMicrosecond);

// One roll, the unit every lookup pays for.
void clockRoll(benchmark::State &state)
{
    ClockRandom random;
    for (auto _ : state)
        benchmark::DoNotOptimize(random.randomInt(1, 10));
}
BENCHMARK(clockRoll)->Unit(benchmark::kNanosecond);

} // namespace
