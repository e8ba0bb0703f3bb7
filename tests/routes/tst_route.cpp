#include "catalogue/startable.h"
#include "routes/pairdistances.h"
#include "routes/routesearch.h"
#include "routes/routetext.h"

#include <QTest>

#include <algorithm>
#include <limits>
#include <numeric>

namespace {

// "x,y,z;x,y,z;..." as a table of stars named S0, S1, ...
StarTable stars(const QString &coordinates)
{
    std::vector<StarRecord> rows;
    for (const QString &star : coordinates.split(u';')) {
        const QStringList xyz = star.split(u',');
        StarRecord row;
        row.starName = QStringLiteral("S%1").arg(rows.size());
        row.x = static_cast<qint16>(xyz[0].toInt());
        row.y = static_cast<qint16>(xyz[1].toInt());
        row.z = static_cast<qint16>(xyz[2].toInt());
        rows.push_back(row);
    }
    return StarTable::fromStars(std::move(rows));
}

QString joined(const std::vector<int> &route)
{
    QStringList words;
    for (int star : route)
        words << QString::number(star);
    return words.join(u' ');
}

// Fewest jumps, then shortest total, by relaxing every leg once per jump count: the smallest k with
// a finite total to `to` and that total.
std::pair<int, double> bruteForce(const PairDistances &d, int from, int to, double limit)
{
    const double none = std::numeric_limits<double>::infinity();
    std::vector<double> best(static_cast<size_t>(d.size()), none);
    best[static_cast<size_t>(from)] = 0.0;
    for (int k = 0; k < d.size(); ++k) {
        if (best[static_cast<size_t>(to)] < none)
            return { k, best[static_cast<size_t>(to)] };
        std::vector<double> next(best.size(), none);
        for (int u = 0; u < d.size(); ++u)
            for (int v = 0; v < d.size(); ++v)
                if (best[static_cast<size_t>(u)] < none && u != v && d(u, v) <= limit)
                    next[static_cast<size_t>(v)]
                        = std::min(next[static_cast<size_t>(v)], best[static_cast<size_t>(u)] + d(u, v));
        best = next;
    }
    return { -1, none };
}

// The shortest leg length at which joining every pair up to it connects the two stars (Kruskal).
double bruteLimit(const PairDistances &d, int from, int to)
{
    std::vector<std::pair<int, int>> legs;
    for (int i = 0; i < d.size(); ++i)
        for (int j = i + 1; j < d.size(); ++j)
            legs.emplace_back(i, j);
    std::sort(legs.begin(), legs.end(), [&d](auto a, auto b) { return d(a.first, a.second) < d(b.first, b.second); });
    std::vector<int> group(static_cast<size_t>(d.size()));
    std::iota(group.begin(), group.end(), 0);
    const auto root = [&group](int s) {
        while (group[static_cast<size_t>(s)] != s)
            s = group[static_cast<size_t>(s)];
        return s;
    };
    for (const auto &[a, b] : legs) {
        group[static_cast<size_t>(root(a))] = root(b);
        if (root(from) == root(to))
            return d(a, b);
    }
    return -1.0;
}

} // namespace

class TestRoute : public QObject
{
    Q_OBJECT
private slots:
    void handBuilt_data();
    void handBuilt();
    void realCatalogue_data();
    void realCatalogue();
};

void TestRoute::handBuilt_data()
{
    QTest::addColumn<QString>("coordinates");
    QTest::addColumn<double>("limit");
    QTest::addColumn<QString>("route"); // from the first star to the last; empty: none
    QTest::addColumn<QString>("text"); // a line the route text must hold

    QTest::newRow("unreachable: named limit is the gap") << "0,0,0;3,0,0;10,0,0" << 5.0 << ""
                                                         << "The shortest jump limit that makes one is 7.0 ly.";
    QTest::newRow("unreachable: named limit rounds up to the tenth")
        << "0,0,0;4,4,1" << 5.0 << ""
        << "The shortest jump limit that makes one is 5.8 ly.";
    QTest::newRow("unreachable beyond the longest limit")
        << "0,0,0;20,0,0" << 15.0 << ""
        << "The shortest jump limit that makes one is 20.0 ly, longer than the longest limit of 15.0 ly.";
    // Two routes of two jumps; the one through the lower index is longer (5 + 5 against 4 + 4).
    QTest::newRow("tie on jumps broken by total") << "0,0,0;4,3,0;4,0,0;8,0,0" << 5.0 << "0 2 3"
                                                  << "Jumps: 2, total 8.0 ly";
    // Fewer jumps beat a shorter total: 0-1-4 (7.6 + 7.6) against 0-2-3-4 (5 + 5 + 4).
    QTest::newRow("fewest jumps before total") << "0,0,0;7,3,0;5,0,0;10,0,0;14,0,0" << 8.0 << "0 1 4"
                                               << "Jumps: 2, total 15.2 ly";
    QTest::newRow("limit exactly a leg") << "0,0,0;3,4,0;6,8,0" << 5.0 << "0 1 2"
                                         << "S1 to S2: 5.0 ly";
    QTest::newRow("just under a leg names it exactly") << "0,0,0;3,4,0;6,8,0" << 4.5 << ""
                                                       << "The shortest jump limit that makes one is 5.0 ly.";
}

void TestRoute::handBuilt()
{
    QFETCH(QString, coordinates);
    QFETCH(double, limit);
    QFETCH(QString, route);
    QFETCH(QString, text);
    const StarTable table = stars(coordinates);
    const PairDistances d(table);
    const int to = table.highestIndex();
    const Route found = plotRoute(d, 0, to, limit);
    QCOMPARE(joined(found.stars), route);
    const QString shown = routeText(table, d, 0, to, limit, found);
    QVERIFY2(shown.split(QStringLiteral("\r\n")).contains(text), qPrintable(shown));
    if (!found.found()) {
        // The named limit finds a route and a tenth less does not.
        const double named = tenthAtLeast(shortestLimit(d, 0, to));
        QVERIFY(plotRoute(d, 0, to, named).found());
        QVERIFY(!plotRoute(d, 0, to, named - 0.1).found());
    }
}

void TestRoute::realCatalogue_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<double>("limit");
    QTest::newRow("Sol to 0, 5 ly") << StarTable::kSol << 0 << 5.0;
    QTest::newRow("Sol to 191, 7.5 ly") << StarTable::kSol << 191 << 7.5;
    QTest::newRow("40 to 120, 10 ly") << 40 << 120 << 10.0;
    QTest::newRow("12 to 150, 15 ly") << 12 << 150 << 15.0;
    QTest::newRow("Sol to 100, 3 ly") << StarTable::kSol << 100 << 3.0;
    QTest::newRow("90 to 30, 6 ly") << 90 << 30 << 6.0;
}

void TestRoute::realCatalogue()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(double, limit);
    static const StarTable table = StarTable::fromCatalogue();
    static const PairDistances d(table);
    const Route route = plotRoute(d, from, to, limit);
    const auto [jumps, total] = bruteForce(d, from, to, limit);
    QCOMPARE(route.found(), jumps >= 0);
    QCOMPARE(shortestLimit(d, from, to), bruteLimit(d, from, to));
    if (!route.found())
        return;
    QCOMPARE(route.jumps(), jumps);
    QVERIFY(std::abs(route.total - total) < 1e-9);
    QCOMPARE(route.stars.front(), from);
    QCOMPARE(route.stars.back(), to);
    double legs = 0.0;
    for (size_t k = 1; k < route.stars.size(); ++k) {
        QVERIFY(d(route.stars[k - 1], route.stars[k]) <= limit);
        legs += d(route.stars[k - 1], route.stars[k]);
    }
    QVERIFY(std::abs(legs - route.total) < 1e-9);
}

QTEST_APPLESS_MAIN(TestRoute)
#include "tst_route.moc"
