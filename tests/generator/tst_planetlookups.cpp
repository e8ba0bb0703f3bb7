#include "catalogue/starrec.h"
#include "generator/planetlookups.h"
#include "support/scriptedrandom.h"

#include <QTest>

namespace {

starrec starOf(const QString &sclass)
{
    starrec star;
    star.sclass = sclass;
    return star;
}

} // namespace

class TestPlanetLookups : public QObject
{
    Q_OBJECT
private slots:
    void rollFreeLookups_data();
    void rollFreeLookups();
    void presence_data();
    void presence();
    void zones_data();
    void zones();
    void codes_data();
    void codes();
    void dayAndAtmosphere_data();
    void dayAndAtmosphere();
    void temperatures_data();
    void temperatures();
    void hydro_data();
    void hydro();
};

void TestPlanetLookups::rollFreeLookups_data()
{
    QTest::addColumn<bool>("gravity");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    // Subclass keys from classes, then gravity by size value.
    const char *keys[][2] = { { "M", "M0" }, { "dK5", "K5" }, { "DA5", "A5" }, { "DA", "DA" }, { "dM", "DM" },
        { "", "" }, { "G2", "G2" }, { "dg8", "G8" } };
    const char *gravities[][2] = { { "ahp", "None" }, { "1hr", "Trace" }, { "2tp", "0.2" }, { "3er", "0.4" },
        { "4ep", "0.7" }, { "5tr", "1.0" }, { "6er", "1.3" }, { "7hp", "1.7" }, { "8er", "2.0" }, { "9hr", "2.5" } };
    for (const auto &row : keys)
        QTest::addRow("key '%s'", row[0]) << false << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
    for (const auto &row : gravities)
        QTest::addRow("gravity %s", row[0]) << true << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
}

void TestPlanetLookups::rollFreeLookups()
{
    QFETCH(bool, gravity);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(gravity ? gravtext(input) : subclasskey(input), expected);
}

void TestPlanetLookups::presence_data()
{
    QTest::addColumn<QString>("sclass");
    QTest::addColumn<int>("total");
    QTest::addColumn<bool>("present");
    // The boundary of every key range, plus the "exactly 17" rows and the keys in no range.
    const struct
    {
        const char *sclass;
        int below;
    } limits[] = { { "A0", 6 }, { "A4", 6 }, { "A5", 8 }, { "A9", 8 }, { "F0", 9 }, { "F4", 9 }, { "F5", 10 },
        { "F9", 10 }, { "G0", 12 }, { "G4", 12 }, { "G5", 11 }, { "G9", 11 }, { "K0", 10 }, { "dK4", 10 }, { "K5", 9 },
        { "K9", 9 }, { "M0", 7 }, { "M", 7 }, { "dM4", 7 }, { "M5", 4 }, { "M9", 4 }, { "DA5", 8 }, { "DF3", 9 },
        { "DG8", 11 } };
    for (const auto &limit : limits) {
        const QString sclass = QString::fromLatin1(limit.sclass);
        QTest::addRow("%s total %d", limit.sclass, limit.below - 1) << sclass << limit.below - 1 << true;
        QTest::addRow("%s total %d", limit.sclass, limit.below) << sclass << limit.below << false;
    }
    for (const char *sclass : { "F5", "F9", "K5", "dK5", "K9" }) {
        for (int total : { 16, 17, 18 })
            QTest::addRow("%s total %d", sclass, total) << QString::fromLatin1(sclass) << total << (total == 17);
    }
    for (const char *sclass : { "DA", "DF", "dM", "" })
        QTest::addRow("'%s' total 2", sclass) << QString::fromLatin1(sclass) << 2 << false;
    QTest::newRow("G2 total 20") << QStringLiteral("G2") << 20 << false;
}

void TestPlanetLookups::presence()
{
    QFETCH(QString, sclass);
    QFETCH(int, total);
    QFETCH(bool, present);
    const int first = qMin(10, total - 1);
    ScriptedRandom random({ first, total - first });
    QCOMPARE(planetroll(starOf(sclass), random), present);
    QCOMPARE(random.calls(), (std::vector<std::pair<int, int>> { { 1, 10 }, { 1, 10 } }));
    QCOMPARE(random.faults(), 0);
}

void TestPlanetLookups::zones_data()
{
    QTest::addColumn<QString>("sclass");
    QTest::addColumn<int>("orbit");
    QTest::addColumn<QString>("zone");
    const struct
    {
        const char *sclass;
        int orbit;
        const char *zone;
    } rows[] = { { "A0", 1, "H" }, { "A0", 3, "B" }, { "DA", 7, "B" }, { "A7", 8, "N" }, { "F8", 1, "N" },
        { "DF", 5, "B" }, { "F6", 12, "H" }, { "G2", 1, "N" }, { "G2", 4, "B" }, { "G2", 11, "H" }, { "DG8", 2, "B" },
        { "DG8", 13, "" }, { "K5", 3, "B" }, { "dK5", 4, "N" }, { "K0", 10, "H" }, { "dM4", 1, "B" }, { "M", 2, "N" },
        { "M5", 8, "H" }, { "FK", 1, "B" }, { "GA", 11, "H" }, { "G2", 0, "" }, { "X", 1, "X" }, { "X", 2, "" } };
    for (const auto &row : rows)
        QTest::addRow("%s orbit %d", row.sclass, row.orbit)
            << QString::fromLatin1(row.sclass) << row.orbit << QString::fromLatin1(row.zone);
}

void TestPlanetLookups::zones()
{
    QFETCH(QString, sclass);
    QFETCH(int, orbit);
    QFETCH(QString, zone);
    QCOMPARE(orbitzone(starOf(sclass), orbit), zone);
}

void TestPlanetLookups::codes_data()
{
    QTest::addColumn<QString>("sclass");
    QTest::addColumn<int>("orbit");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("code");
    QTest::newRow("N shifts down two") << "G2" << 1 << 6 << 2 << "6er";
    QTest::newRow("N clamps to row 10") << "G2" << 1 << 4 << 9 << "ahp";
    QTest::newRow("B shifts up two") << "G2" << 2 << 10 << 10 << "6tp";
    QTest::newRow("B clamps to row 1") << "K5" << 1 << 1 << 1 << "3er";
    QTest::newRow("B row 3 to row 1") << "K5" << 3 << 2 << 3 << "4ep";
    QTest::newRow("H takes row 10") << "M5" << 12 << 10 << 1 << "9hr";
    QTest::newRow("no zone keeps the row") << "DG8" << 13 << 1 << 5 << "2tp";
}

void TestPlanetLookups::codes()
{
    QFETCH(QString, sclass);
    QFETCH(int, orbit);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QString, code);
    ScriptedRandom random({ column, row });
    QCOMPARE(planetcode(starOf(sclass), orbit, random), code);
    QCOMPARE(random.calls().size(), size_t(2));
    QCOMPARE(random.faults(), 0);
}

void TestPlanetLookups::dayAndAtmosphere_data()
{
    QTest::addColumn<bool>("day");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("roll");
    QTest::addColumn<QString>("expected");
    // The corners of the day grid.
    QTest::newRow("day e 0") << true << "5er" << 0 << "12";
    QTest::newRow("day t 0") << true << "5tr" << 0 << "6";
    QTest::newRow("day h 0") << true << "5hr" << 0 << "4";
    QTest::newRow("day e 9") << true << "5er" << 9 << "36";
    QTest::newRow("day t 9") << true << "5tr" << 9 << "72";
    QTest::newRow("day h 9") << true << "5hr" << 9 << "10d";
    QTest::newRow("day h 3") << true << "ahp" << 3 << "N";
    QTest::newRow("day, unknown environment reads e") << true << "5xr" << 5 << "24";
    // Atmosphere rows (size + roll - 3) and the size <= 1 rule.
    QTest::newRow("asteroid") << false << "ahp" << 10 << "None";
    QTest::newRow("size 1 earth-like") << false << "1er" << 10 << "None";
    QTest::newRow("size 1 hostile") << false << "1hr" << 10 << "None";
    QTest::newRow("row 0 e") << false << "2er" << 1 << "Thin";
    QTest::newRow("row 2 t") << false << "2tp" << 3 << "None";
    QTest::newRow("row 3 t") << false << "2tp" << 4 << "Thin Contaminated";
    QTest::newRow("row 6 h") << false << "4hr" << 5 << "None";
    QTest::newRow("row 7 h") << false << "4hr" << 6 << "Corrosive";
    QTest::newRow("row 8 e") << false << "5er" << 6 << "Normal";
    QTest::newRow("row 9 e") << false << "6er" << 6 << "Normal Contaminated";
    QTest::newRow("row 10 e") << false << "6er" << 7 << "Poisonous";
    QTest::newRow("row 15 e") << false << "8er" << 10 << "Normal Contaminated";
    QTest::newRow("row 15 h") << false << "8hr" << 10 << "Corrosive";
    QTest::newRow("row 16 h") << false << "9hr" << 10 << "Poisonous";
}

void TestPlanetLookups::dayAndAtmosphere()
{
    QFETCH(bool, day);
    QFETCH(QString, code);
    QFETCH(int, roll);
    QFETCH(QString, expected);
    ScriptedRandom random({ roll });
    QCOMPARE(day ? daytext(code, random) : atmostext(code, random), expected);
    QCOMPARE(random.calls(), (std::vector<std::pair<int, int>> { day ? std::pair(0, 9) : std::pair(1, 10) }));
    QCOMPARE(random.faults(), 0);
}

void TestPlanetLookups::temperatures_data()
{
    QTest::addColumn<QString>("sclass");
    QTest::addColumn<int>("orbit");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("roll");
    QTest::addColumn<QString>("temperature");
    // A's run is orbits 3-7, F's 2-5, G's 2-4, K's 1-3, M's orbit 1.
    QTest::newRow("A before the run") << "A0" << 2 << "5er" << 1 << "125";
    QTest::newRow("A run start") << "A0" << 3 << "5er" << 1 << "75";
    QTest::newRow("A run end") << "DA5" << 7 << "5tr" << 10 << "0";
    QTest::newRow("A after the run") << "A7" << 8 << "5hr" << 10 << "-75 and lower";
    QTest::newRow("A hot H orbit") << "A0" << 1 << "5hr" << 1 << "200 and higher";
    QTest::newRow("F before the run") << "F8" << 1 << "5er" << 6 << "100";
    QTest::newRow("F run end") << "DF" << 5 << "5er" << 6 << "50";
    QTest::newRow("F after the run") << "F5" << 6 << "5tr" << 1 << "0";
    QTest::newRow("G before the run") << "G2" << 1 << "6er" << 4 << "100";
    QTest::newRow("G run end") << "G2" << 4 << "5tr" << 5 << "25";
    QTest::newRow("G after the run") << "DG8" << 5 << "5hr" << 5 << "-50";
    QTest::newRow("K run start") << "K5" << 1 << "5er" << 1 << "75";
    QTest::newRow("K run end") << "dK5" << 3 << "5hr" << 3 << "150";
    QTest::newRow("K after the run") << "K0" << 4 << "5er" << 1 << "50";
    QTest::newRow("M run") << "dM4" << 1 << "5er" << 10 << "25";
    QTest::newRow("M after the run") << "M" << 2 << "5hr" << 10 << "-75 and lower";
    QTest::newRow("M after the run, low roll") << "M5" << 2 << "5er" << 1 << "50";
}

void TestPlanetLookups::temperatures()
{
    QFETCH(QString, sclass);
    QFETCH(int, orbit);
    QFETCH(QString, code);
    QFETCH(int, roll);
    QFETCH(QString, temperature);
    ScriptedRandom random({ roll });
    QCOMPARE(temptext(starOf(sclass), orbit, code, random), temperature);
    QCOMPARE(random.calls(), (std::vector<std::pair<int, int>> { { 1, 10 } }));
}

void TestPlanetLookups::hydro_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("temperature");
    QTest::addColumn<QString>("atmosphere");
    QTest::addColumn<int>("roll");
    QTest::addColumn<int>("hydro");
    QTest::newRow("A 50 size 3") << "3er"
                                 << "50"
                                 << "Thin" << 10 << 40;
    QTest::newRow("A 50 size 5") << "5er"
                                 << "50"
                                 << "Thin" << 10 << 100;
    QTest::newRow("A 75 size 4") << "4er"
                                 << "75"
                                 << "Normal" << 4 << 20;
    QTest::newRow("A 75 size 8 capped") << "8er"
                                        << "75"
                                        << "Normal" << 9 << 100;
    QTest::newRow("A 75 roll 1") << "7ep"
                                 << "75"
                                 << "Normal" << 1 << 20;
    QTest::newRow("B 0 size 2") << "2tp"
                                << "0"
                                << "Thin Contaminated" << 10 << 20;
    QTest::newRow("B 25 size 7 capped") << "7er"
                                        << "25"
                                        << "Normal" << 9 << 80;
    QTest::newRow("B 100 worked example") << "6er"
                                          << "100"
                                          << "Normal Contaminated" << 8 << 60;
    QTest::newRow("B 125 size 3") << "3er"
                                  << "125"
                                  << "Thin" << 7 << 20;
    QTest::newRow("B 125 roll 1") << "6er"
                                  << "125"
                                  << "Thin" << 1 << 0;
    QTest::newRow("150 rolls, gives 0") << "5tr"
                                        << "150"
                                        << "Thin" << 10 << 0;
    QTest::newRow("200 and higher") << "5er"
                                    << "200 and higher"
                                    << "Thin" << 10 << 0;
    QTest::newRow("-75 and lower") << "5hr"
                                   << "-75 and lower"
                                   << "Poisonous" << 10 << 0;
    QTest::newRow("-25") << "5tr"
                         << "-25"
                         << "Thin" << 10 << 0;
}

void TestPlanetLookups::hydro()
{
    QFETCH(QString, code);
    QFETCH(QString, temperature);
    QFETCH(QString, atmosphere);
    QFETCH(int, roll);
    QFETCH(int, hydro);
    ScriptedRandom random({ roll });
    QCOMPARE(hydropct(code, temperature, atmosphere, random), hydro);
    QCOMPARE(random.calls(), (std::vector<std::pair<int, int>> { { 1, 10 } }));

    // Without an atmosphere nothing is rolled and the planet is dry.
    ScriptedRandom none({ roll });
    QCOMPARE(hydropct(code, temperature, QStringLiteral("None"), none), 0);
    QVERIFY(none.calls().empty());
}

QTEST_APPLESS_MAIN(TestPlanetLookups)
#include "tst_planetlookups.moc"
