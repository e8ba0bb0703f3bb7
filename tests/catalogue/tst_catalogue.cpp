#include "catalogue/catalogue.h"
#include "catalogue/startable.h"

#include <QtTest>

class TestCatalogue : public QObject
{
    Q_OBJECT
private slots:
    void rowsAreVerbatim_data();
    void rowsAreVerbatim();
    void everyRowHasTenFields();
    void placements_data();
    void placements();
    void fieldsKeepOddValues();
    void noCellHoldsMoreThanThree();
};

void TestCatalogue::rowsAreVerbatim_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("row");
    QTest::newRow("count") << -1 << "192";
    QTest::newRow("first") << 0 << "36 Ophiuchi,36 Ophiuchi A,-4,-16,-8,K0,18,,1,12";
    QTest::newRow("blank mark") << 93 << "Cincinnati,Cincinnati,12,0,-9,dM3,15, ,1,12";
    QTest::newRow("sol") << 165 << "Sol,Sol,0,0,0,G2,0,*,1,12";
    QTest::newRow("last") << 191 << "Zeta Tucanae,Zeta Tucanae,10,1,-22,G0,24,*,1,12";
    QTest::newRow("degree sign") << 12 << QString::fromUtf8("AC +17°,AC +17°,16,-13,7,dM4,22,,1,12");
    QTest::newRow("past the end") << 192 << "";
    QTest::newRow("below -1") << -2 << "";
}

void TestCatalogue::rowsAreVerbatim()
{
    QFETCH(int, index);
    QFETCH(QString, row);
    QCOMPARE(catrow(index), row);
}

void TestCatalogue::everyRowHasTenFields()
{
    for (int i = 0; i < 192; ++i)
        QVERIFY2(catrow(i).split(u',').size() == 10, qPrintable(catrow(i)));
    QCOMPARE(catrow(93).split(u',').at(7), QStringLiteral(" "));
    QCOMPARE(catrow(0).split(u',').at(7), QString());
}

void TestCatalogue::placements_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("mapx");
    QTest::addColumn<double>("mapy");
    QTest::addColumn<int>("shifted");
    QTest::newRow("36 Oph A") << 0 << "36 Ophiuchi A" << -4.0 << -15.8 << 0;
    QTest::newRow("36 Oph B") << 1 << "36 Ophiuchi B" << -4.2 << -16.2 << 1;
    QTest::newRow("36 Oph C") << 2 << "36 Ophiuchi C" << -3.8 << -16.2 << 1;
    QTest::newRow("Alpha Cen A") << 21 << "Alpha Centauri A" << -2.0 << -0.8 << 0;
    QTest::newRow("Alpha Cen B") << 22 << "Alpha Centauri B" << -2.2 << -1.2 << 1;
    QTest::newRow("Proxima") << 23 << "Proxima Centauri" << -1.8 << -1.2 << 1;
    QTest::newRow("BD +53 1320") << 38 << QString::fromUtf8("BD +53° 1320") << -9.0 << 8.2 << 0;
    QTest::newRow("BD +53 1321") << 39 << QString::fromUtf8("BD +53° 1321") << -9.2 << 7.8 << 1;
    QTest::newRow("CD -59") << 87 << QString::fromUtf8("CD -59°") << -8.8 << 7.8 << 1;
    QTest::newRow("Tarn") << 111 << "Tarn" << 5.8 << -18.2 << 0;
    QTest::newRow("Vell") << 112 << "Vell" << 6.2 << -17.8 << 1;
    QTest::newRow("Sol") << 165 << "Sol" << 0.0 << 0.0 << 0;
}

void TestCatalogue::placements()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(double, mapx);
    QFETCH(double, mapy);
    QFETCH(int, shifted);
    const StarTable table = StarTable::fromCatalogue();
    const starrec &star = table[index];
    QCOMPARE(star.starname, name);
    QCOMPARE(star.mapx, static_cast<float>(mapx));
    QCOMPARE(star.mapy, static_cast<float>(mapy));
    QCOMPARE(int(star.shifted), shifted);
}

void TestCatalogue::fieldsKeepOddValues()
{
    const StarTable table = StarTable::fromCatalogue();
    QCOMPARE(table.size(), 192);
    const starrec &sol = table[StarTable::kSol];
    QCOMPARE(
        QStringList({ sol.sysname, sol.starname, sol.sclass, sol.mark }), QStringList({ "Sol", "Sol", "G2", "*" }));
    QCOMPARE(QList<int>({ sol.starx, sol.stary, sol.starz, sol.soldist, sol.firstorb, sol.lastorb }),
        QList<int>({ 0, 0, 0, 0, 1, 12 }));
    QCOMPARE(table[93].mark, QStringLiteral(" "));
    QCOMPARE(table[89].firstorb, 2);
    int firstOrbitTwo = 0;
    for (const starrec &star : table.stars())
        firstOrbitTwo += star.firstorb == 2;
    QCOMPARE(firstOrbitTwo, 1);
    QCOMPARE(table[5].starz, -7); // 61 Cygni A
    QCOMPARE(table[6].starz, 7); // 61 Cygni B
    QCOMPARE(table[3].lastorb, 2);
    QCOMPARE(table[191].starname, QStringLiteral("Zeta Tucanae"));
}

void TestCatalogue::noCellHoldsMoreThanThree()
{
    const StarTable table = StarTable::fromCatalogue();
    QMap<QPair<int, int>, int> cells;
    for (const starrec &star : table.stars())
        ++cells[qMakePair(int(star.starx), int(star.stary))];
    int triples = 0;
    for (int count : cells) {
        QVERIFY(count <= 3);
        triples += count == 3;
    }
    QCOMPARE(triples, 6);
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
