#include "catalogue/catalogue.h"
#include "catalogue/startable.h"

#include <QtTest>

class TestCatalogue : public QObject
{
    Q_OBJECT
private slots:
    void rows_data();
    void rows();
    void fields_data();
    void fields();
    void placements_data();
    void placements();
};

void TestCatalogue::rows_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("row");
    QTest::newRow("count") << -1 << "192";
    QTest::newRow("first") << 0 << "36 Ophiuchi,36 Ophiuchi A,-4,-16,-8,K0,18,,1,12";
    QTest::newRow("degree sign") << 12 << QString::fromUtf8("AC +17°,AC +17°,16,-13,7,dM4,22,,1,12");
    QTest::newRow("last") << 191 << "Zeta Tucanae,Zeta Tucanae,10,1,-22,G0,24,*,1,12";
    QTest::newRow("past the end") << 192 << "";
    QTest::newRow("below -1") << -2 << "";
}

void TestCatalogue::rows()
{
    QFETCH(int, index);
    QTEST(catalogueRow(index), "row");
    for (int i = 0; i < 192; ++i)
        QVERIFY2(catalogueRow(i).split(u',').size() == 10, qPrintable(catalogueRow(i)));
}

// Every field lands in its own member; a blank mark stays one space, not trimmed away.
void TestCatalogue::fields_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("fields"); // system, star, x, y, z, class, distance, mark, orbits
    QTest::newRow("61 Cygni A") << 5 << "61 Cygni|61 Cygni A|6 -6 -7|K5|11|R|1-6";
    QTest::newRow("first orbit 2") << 89 << QString::fromUtf8("CD -8°|CD -8° A|-6 -20 -3|dM3|21||2-12");
    QTest::newRow("blank mark") << 93 << "Cincinnati|Cincinnati|12 0 -9|dM3|15| |1-12";
}

void TestCatalogue::fields()
{
    QFETCH(int, index);
    const StarTable table = StarTable::fromCatalogue();
    QCOMPARE(table.size(), 192);
    const StarRecord &s = table[index];
    QTEST(QStringList(
              { s.systemName, s.starName, QString::asprintf("%d %d %d", s.x, s.y, s.z), s.spectralClass,
                  QString::number(s.distanceFromSol), s.mark, QString::asprintf("%d-%d", s.firstOrbit, s.lastOrbit) })
              .join(u'|'),
        "fields");
}

// Two or three stars in one cell are spread round it; the later ones are marked as shifted.
void TestCatalogue::placements_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("plotX");
    QTest::addColumn<double>("plotY");
    QTest::addColumn<int>("shifted");
    QTest::newRow("36 Oph A, first of three") << 0 << -4.0 << -15.8 << 0;
    QTest::newRow("36 Oph B") << 1 << -4.2 << -16.2 << 1;
    QTest::newRow("36 Oph C") << 2 << -3.8 << -16.2 << 1;
    QTest::newRow("CD -59, third of three far down the list") << 87 << -8.8 << 7.8 << 1;
    QTest::newRow("Tarn, first of two") << 111 << 5.8 << -18.2 << 0;
    QTest::newRow("Vell") << 112 << 6.2 << -17.8 << 1;
    QTest::newRow("Sol, alone") << 165 << 0.0 << 0.0 << 0;
}

void TestCatalogue::placements()
{
    QFETCH(int, index);
    const StarTable table = StarTable::fromCatalogue();
    const StarRecord &star = table[index];
    QFETCH(double, plotX);
    QFETCH(double, plotY);
    QCOMPARE(star.plotX, float(plotX));
    QCOMPARE(star.plotY, float(plotY));
    QTEST(int(star.shifted), "shifted");
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
