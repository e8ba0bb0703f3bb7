#include "catalogue/startable.h"
#include "routes/pairdistances.h"
#include "routes/routesearch.h"
#include "routes/routetext.h"
#include "support/starsat.h"

#include <QTest>

#include <cmath>
#include <limits>

namespace {

using Stars = QList<int>;

// Fewest jumps, then shortest total, by relaxing every leg once per jump count: the smallest k with
// a finite total to `to` and that total; -1 jumps when there is none.
std::pair<int, double> bruteForce(const PairDistances &d, int from, int to, double limit)
{
    const double none = std::numeric_limits<double>::infinity();
    std::vector<double> best(d.size(), none);
    best[from] = 0.0;
    for (int k = 0; k < d.size(); ++k) {
        if (best[to] < none)
            return { k, best[to] };
        std::vector<double> next(best.size(), none);
        for (int u = 0; u < d.size(); ++u)
            for (int v = 0; v < d.size(); ++v)
                if (u != v && d(u, v) <= limit)
                    next[v] = std::min(next[v], best[u] + d(u, v));
        best = next;
    }
    return { -1, none };
}

} // namespace

class TestRoute : public QObject
{
    Q_OBJECT
private slots:
    // Hand-built tables, from the first star to the last: the route found (empty: none) and a line its text holds.
    // Avoided stars are never passed through, though either end may be one; without a route the text names the
    // shortest limit, which finds one under the same avoidance while a tenth less does not.
    void handBuilt()
    {
        const QString named = "The shortest jump limit that makes one is %1 ly.", line = "0,0,0;3,0,0;6,0,0;9,0,0";
        const std::tuple<const char *, QString, double, Stars, Stars, QString> rows[]
            = { { "unreachable: named limit is the gap", "0,0,0;3,0,0;10,0,0", 5.0, {}, {}, named.arg("7.0") },
                  { "unreachable: named limit rounds up", "0,0,0;4,4,1", 5.0, {}, {}, named.arg("5.8") },
                  { "unreachable beyond the longest limit", "0,0,0;20,0,0", 15.0, {}, {},
                      named.arg("20.0 ly, longer than the longest limit of 15.0") },
                  // Two routes of two jumps; the one through the lower index is longer (5 + 5 against 4 + 4).
                  { "tie on jumps broken by total", "0,0,0;4,3,0;4,0,0;8,0,0", 5.0, {}, { 0, 2, 3 },
                      "Jumps: 2, total 8.0 ly" },
                  // Fewer jumps beat a shorter total: 0-1-4 (7.6 + 7.6) against 0-2-3-4 (5 + 5 + 4).
                  { "fewest jumps before total", "0,0,0;7,3,0;5,0,0;10,0,0;14,0,0", 8.0, {}, { 0, 1, 4 },
                      "Jumps: 2, total 15.2 ly" },
                  { "limit exactly a leg", "0,0,0;3,4,0;6,8,0", 5.0, {}, { 0, 1, 2 }, "S1 to S2: 5.0 ly" },
                  { "nothing avoided", line, 4.0, {}, { 0, 1, 2, 3 }, "Jumps: 3, total 9.0 ly" },
                  { "first stop avoided", line, 4.0, { 1 }, {}, named.arg("6.0") },
                  { "two stops avoided", line, 4.0, { 1, 2 }, {}, named.arg("9.0") },
                  { "destination avoided", line, 4.0, { 3 }, { 0, 1, 2, 3 }, "Jumps: 3, total 9.0 ly" },
                  { "start avoided", line, 4.0, { 0 }, { 0, 1, 2, 3 }, "Jumps: 3, total 9.0 ly" } };
        for (const auto &[name, coordinates, limit, avoided, route, text] : rows) {
            const StarTable table = starsAt(coordinates);
            const PairDistances d(table);
            const int to = table.highestIndex();
            RouteTextOptions options;
            if (coordinates == line) // with a list of avoided stars, as the map's routes have
                options.avoided.assign(4, 0);
            for (const int star : avoided)
                options.avoided[size_t(star)] = 1;
            const Route found = plotRoute(d, 0, to, limit, options.avoided);
            QVERIFY2(Stars(found.stars.begin(), found.stars.end()) == route, name);
            const QString shown = routeText(table, d, 0, to, limit, found, options);
            QVERIFY2(shown.split(QStringLiteral("\r\n")).contains(text), qPrintable(name + (": " + shown)));
            const double least = tenthAtLeast(shortestLimit(d, 0, to, options.avoided));
            QVERIFY2(found.found()
                    || (plotRoute(d, 0, to, least, options.avoided).found()
                        && !plotRoute(d, 0, to, least - 0.1, options.avoided).found()),
                name);
        }
    }

    // Against the brute force on the real catalogue: found or not, jumps, total, every leg within the
    // limit, and the shortest limit is one a route exists at and none exists just below.
    void realCatalogue()
    {
        const StarTable table = StarTable::fromCatalogue();
        const PairDistances d(table);
        const int sol = StarTable::kSol;
        for (const auto &[from, to, limit] : std::initializer_list<std::tuple<int, int, double>> { { sol, 0, 5.0 },
                 { sol, 191, 7.5 }, { 40, 120, 10.0 }, { 12, 150, 15.0 }, { sol, 100, 3.0 }, { 90, 30, 6.0 } }) {
            const QByteArray where = QStringLiteral("%1 to %2, %3 ly").arg(from).arg(to).arg(limit).toUtf8();
            const Route route = plotRoute(d, from, to, limit);
            const auto [jumps, total] = bruteForce(d, from, to, limit);
            QVERIFY2(route.found() == (jumps >= 0), where);
            const double least = shortestLimit(d, from, to);
            QVERIFY2(bruteForce(d, from, to, least).first >= 0, where);
            QVERIFY2(bruteForce(d, from, to, std::nextafter(least, 0.0)).first < 0, where);
            if (!route.found())
                continue;
            QVERIFY2(route.jumps() == jumps && std::abs(route.total - total) < 1e-9, where);
            QVERIFY2(route.stars.front() == from && route.stars.back() == to, where);
            double legs = 0.0;
            for (size_t k = 1; k < route.stars.size(); ++k) {
                QVERIFY2(d(route.stars[k - 1], route.stars[k]) <= limit, where);
                legs += d(route.stars[k - 1], route.stars[k]);
            }
            QVERIFY2(std::abs(legs - route.total) < 1e-9, where);
        }
    }
};

QTEST_APPLESS_MAIN(TestRoute)
#include "tst_route.moc"
