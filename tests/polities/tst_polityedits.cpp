#include "mapview/mapfixture.h"
#include "polities/polityedits.h"
#include "polities/routeborders.h"
#include "routes/pairdistances.h"
#include "routes/routesearch.h"

#include <QTest>

#include <algorithm>

class TestPolityEdits : public QObject
{
    Q_OBJECT
private slots:
    // New polities take free colours; a star belongs to one polity at most; deleting a polity moves the later
    // ones and their stars up and frees its colour for the next new one. Edits naming no polity change nothing.
    void editsKeepOnePolityPerStar()
    {
        Polities polities(6);
        for (const char *name : { "A", "B", "C" })
            polities = polityedits::added(polities, QString::fromLatin1(name));
        QCOMPARE(polities.list.size(), size_t(3));
        QCOMPARE(polities.list[1].name, QStringLiteral("B"));
        QVERIFY(polities.list[0].colour != polities.list[1].colour);
        polities = polityedits::assigned(polities, { 0, 1, 2, 9, -1 }, 0); // 9 and -1 are no stars
        polities = polityedits::assigned(polities, { 2 }, 1);
        polities = polityedits::assigned(polities, { 4 }, 2);
        QCOMPARE(polityedits::members(polities, 0), (std::vector<int> { 0, 1 }));
        QCOMPARE(polityedits::members(polities, 1), std::vector<int> { 2 });
        QCOMPARE(polityedits::polityOf(polities, 2), 1);
        QCOMPARE(polityedits::polityOf(polities, 77), int(Polities::kNone));
        QCOMPARE(polityedits::assigned(polities, { 3 }, 5), polities);
        QCOMPARE(polityedits::removed(polities, 3), polities);

        const Polities after = polityedits::removed(polities, 1);
        QCOMPARE(after.list.size(), size_t(2));
        QCOMPARE(after.list[1].name, QStringLiteral("C"));
        QCOMPARE(after.memberOf, (std::vector<int> { 0, 0, Polities::kNone, Polities::kNone, 1, Polities::kNone }));
        QCOMPARE(polityedits::added(after, QStringLiteral("D")).list[2].colour, polities.list[1].colour);
        polities = polityedits::assigned(polities, { 2 }, Polities::kNone);
        QCOMPARE(polityedits::polityOf(polities, 2), int(Polities::kNone));
    }

    void routesNameBorderCrossingsAndAvoidStars()
    {
        const MapFixture map;
        const StarTable &table = map.table;
        const int sol = StarTable::kSol;
        const int barnard = map.star(QStringLiteral("Barnard's Star"));
        const int eridani = map.star(QStringLiteral("Epsilon Eridani"));
        Polities polities(table.size());
        polities.list = { Polity { QStringLiteral("Concordat"), 0xCC3311, 5.0, {}, false, true },
            Polity { QStringLiteral("Free Worlds"), 0x00AA00, 5.0, {}, false, false } };
        polities = polityedits::assigned(polities, { sol }, 0);
        polities = polityedits::assigned(polities, { barnard }, 1);
        QCOMPARE(routeborders::crossings(polities, table, sol, barnard),
            (QStringList { "leaves Concordat space at Barnard's Star", "enters Free Worlds space at Barnard's Star" }));
        QCOMPARE(
            routeborders::crossings(polities, table, eridani, sol), QStringList { "enters Concordat space at Sol" });
        QCOMPARE(routeborders::crossings(polities, table, sol, eridani),
            QStringList { "leaves Concordat space at Epsilon Eridani" });
        QVERIFY(routeborders::crossings(polities, table, sol, sol).isEmpty());
        const AvoidedStars avoided = routeborders::avoidedStars(polities);
        QCOMPARE(std::count(avoided.begin(), avoided.end(), 1), 1L);
        QCOMPARE(avoided[size_t(sol)], char(1));
        // The route text carries the crossings after the leg they happen on.
        const RouteTextOptions options = routeborders::textOptions(polities, table);
        const PairDistances distances(table);
        const QString text = routeText(table, distances, sol, barnard, 10.0, Route { { sol, barnard }, 6.0 }, options);
        QVERIFY2(text.contains(QStringLiteral("Sol to Barnard's Star: 6.0 ly\r\nleaves Concordat space at Barnard's "
                                              "Star\r\nenters Free Worlds space at Barnard's Star\r\nJumps: 1")),
            qPrintable(text));
    }
};

QTEST_APPLESS_MAIN(TestPolityEdits)
#include "tst_polityedits.moc"
