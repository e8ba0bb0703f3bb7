// Working out the territories of ten polities over the catalogue: on the map's plane (the raster
// the sector map and mini-map draw) and in 3-D (the outlines the 3D View draws).

#include "catalogue/startable.h"
#include "polities/planeterritory.h"
#include "polities/shellterritory.h"
#include "support/samplepolities.h"

#include <benchmark/benchmark.h>

namespace {

void BM_TerritoryPlane(benchmark::State &state)
{
    const StarTable table = StarTable::fromCatalogue();
    const Polities polities = samplePolities(table);
    for (auto _ : state) {
        const PlaneTerritory plane(memberStars(polities, table), polities.neutralMargin, 0.0);
        benchmark::DoNotOptimize(plane.holder(0, 0));
    }
}
BENCHMARK(BM_TerritoryPlane)->Unit(benchmark::kMillisecond);

void BM_TerritoryShells(benchmark::State &state)
{
    const StarTable table = StarTable::fromCatalogue();
    const Polities polities = samplePolities(table);
    for (auto _ : state) {
        const ShellTerritory shells(memberStars(polities, table), polities.neutralMargin);
        benchmark::DoNotOptimize(shells.segments().size());
    }
}
BENCHMARK(BM_TerritoryShells)->Unit(benchmark::kMillisecond);

} // namespace
