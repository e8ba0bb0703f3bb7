// The travel planner over the whole catalogue: the pair distances, worked out once when the table
// is set up, and one route search between two stars far apart, found and not found.

#include "catalogue/startable.h"
#include "routes/pairdistances.h"
#include "routes/routesearch.h"

#include <benchmark/benchmark.h>

namespace {

// The star farthest from Sol: the longest search the Stellar Index can ask for from the start.
int farthestFromSol(const PairDistances &d)
{
    int far = 0;
    for (int i = 0; i < d.size(); ++i)
        if (d(StarTable::kSol, i) > d(StarTable::kSol, far))
            far = i;
    return far;
}

void BM_PairDistances(benchmark::State &state)
{
    const StarTable table = StarTable::fromCatalogue();
    for (auto _ : state)
        benchmark::DoNotOptimize(PairDistances(table));
}
BENCHMARK(BM_PairDistances)->Unit(benchmark::kMillisecond);

// Limit in tenths of a light year: 50 and 150 find a route from Sol to the farthest star, 20 does
// not (and then names the shortest limit, which is searched as well).
void BM_PlotRoute(benchmark::State &state)
{
    const StarTable table = StarTable::fromCatalogue();
    const PairDistances d(table);
    const int to = farthestFromSol(d);
    const double limit = static_cast<double>(state.range(0)) / 10.0;
    for (auto _ : state) {
        const Route route = plotRoute(d, StarTable::kSol, to, limit);
        if (!route.found())
            benchmark::DoNotOptimize(shortestLimit(d, StarTable::kSol, to));
        benchmark::DoNotOptimize(route);
    }
}
BENCHMARK(BM_PlotRoute)->Arg(20)->Arg(50)->Arg(150)->ArgName("limit_tenths")->Unit(benchmark::kMillisecond);

} // namespace
