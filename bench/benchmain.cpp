// The main of every benchmark program: the Qt application its benchmarks draw with (QApplication
// where they open windows, built with QUORVANE_BENCH_WIDGETS), on the offscreen platform unless
// another is set, then Google Benchmark's own run.
#include "benchmain.h"

#ifdef QUORVANE_BENCH_WIDGETS
#include <QApplication>
using BenchApplication = QApplication;
#else
#include <QGuiApplication>
using BenchApplication = QGuiApplication;
#endif

#include <benchmark/benchmark.h>

#include <cstring>
#include <utility>
#include <vector>

namespace {

std::vector<std::pair<const char *, BenchMode::Run>> &modes()
{
    static std::vector<std::pair<const char *, BenchMode::Run>> registered;
    return registered;
}

} // namespace

BenchMode::BenchMode(const char *flag, Run run)
{
    modes().emplace_back(flag, run);
}

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    for (int i = 1; i < argc; ++i)
        for (const auto &[flag, run] : modes())
            if (std::strcmp(argv[i], flag) == 0)
                return run(argc, argv);
    BenchApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
