// Setting the names of all 192 stars of the catalogue with the name placer: the catalogue from
// above in a 170 mm square, as the atlas overview draws it, names 6 points high. The names are
// measured once; the benchmark times the placing alone, as a redraw would repeat it.

#include "catalogue/startable.h"
#include "mapview/nameplacer.h"

#include <QFont>
#include <QFontMetricsF>

#include <benchmark/benchmark.h>

namespace {

constexpr double kSide = 170.0; // mm
constexpr double kLightYears = 72.0; // the catalogue's extent with a light year to spare
constexpr double kDotRadius = 0.9;
constexpr double kMmPerPoint = 25.4 / 72.0;

struct Star
{
    QPointF at;
    QSizeF name;
};

std::vector<Star> catalogueStars()
{
    const StarTable table = StarTable::fromCatalogue();
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(6);
    const QFontMetricsF metrics(font);
    const double mmPerPixel = 1.0 / metrics.fontDpi() * 25.4;
    std::vector<Star> stars;
    for (const StarRecord &s : table.stars()) {
        const double scale = kSide / kLightYears;
        stars.push_back({ QPointF((s.x + kLightYears / 2) * scale, (kLightYears / 2 - s.y) * scale),
            QSizeF(metrics.horizontalAdvance(s.starName) * mmPerPixel, 6 * kMmPerPoint * 1.15) });
    }
    return stars;
}

void BM_PlaceNames192(benchmark::State &state)
{
    const std::vector<Star> stars = catalogueStars();
    int placed = 0;
    for (auto _ : state) {
        NamePlacer placer(QRectF(0, 0, kSide, kSide));
        for (size_t i = 0; i < stars.size(); ++i)
            placer.takeDot(static_cast<int>(i), stars[i].at, kDotRadius);
        placed = 0;
        for (size_t i = 0; i < stars.size(); ++i)
            placed += placer.place(static_cast<int>(i), stars[i].at, kDotRadius, stars[i].name).has_value();
        benchmark::DoNotOptimize(placed);
    }
    state.counters["stars"] = static_cast<double>(stars.size());
    state.counters["placed"] = placed;
}
BENCHMARK(BM_PlaceNames192)->Unit(benchmark::kMillisecond);

} // namespace
