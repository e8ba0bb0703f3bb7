#include "catalogue/catalogue.h"
#include "catalogue/startable.h"

#include <QtTest>

class TestCatalogue : public QObject
{
    Q_OBJECT
private slots:
    // The count row, then 192 rows of ten fields; an index outside them gives an empty row.
    void rows()
    {
        QCOMPARE(catalogueRow(-1), "192");
        for (int i = 0; i < 192; ++i)
            QVERIFY2(catalogueRow(i).split(u',').size() == 10, qPrintable(catalogueRow(i)));
        QCOMPARE(catalogueRow(192), "");
        QCOMPARE(catalogueRow(-2), "");
        QCOMPARE(StarTable::fromCatalogue().size(), 192);
    }

    // Every field lands in its own member, a blank mark stays one space. Two or three stars in one cell
    // are spread round it and the later ones are marked as shifted.
    void stars_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("fields"); // system|star|x y z|class|distance|mark|orbits, unchecked when empty
        QTest::addColumn<QString>("placed"); // plotX plotY shifted, unchecked when empty
        QTest::newRow("first, first of three") << 0 << "36 Ophiuchi|36 Ophiuchi A|-4 -16 -8|K0|18||1-12"
                                               << "-4 -15.8 0";
        QTest::newRow("36 Oph B") << 1 << ""
                                  << "-4.2 -16.2 1";
        QTest::newRow("36 Oph C, third of three") << 2 << ""
                                                  << "-3.8 -16.2 1";
        QTest::newRow("mark R") << 5 << "61 Cygni|61 Cygni A|6 -6 -7|K5|11|R|1-6"
                                << "";
        QTest::newRow("CD -59, third of three far down the list") << 87 << ""
                                                                  << "-8.8 7.8 1";
        QTest::newRow("degree sign, first orbit 2")
            << 89 << QString::fromUtf8("CD -8°|CD -8° A|-6 -20 -3|dM3|21||2-12") << "";
        QTest::newRow("blank mark") << 93 << "Cincinnati|Cincinnati|12 0 -9|dM3|15| |1-12"
                                    << "";
        QTest::newRow("Tarn, first of two") << 111 << ""
                                            << "5.8 -18.2 0";
        QTest::newRow("Vell") << 112 << ""
                              << "6.2 -17.8 1";
        QTest::newRow("Sol, alone") << 165 << ""
                                    << "0 0 0";
        QTest::newRow("last") << 191 << "Zeta Tucanae|Zeta Tucanae|10 1 -22|G0|24|*|1-12"
                              << "";
    }

    void stars()
    {
        QFETCH(int, index);
        QFETCH(QString, fields);
        QFETCH(QString, placed);
        const StarTable table = StarTable::fromCatalogue();
        const StarRecord &s = table[index];
        if (!fields.isEmpty())
            QCOMPARE(QStringList({ s.systemName, s.starName, QString::asprintf("%d %d %d", s.x, s.y, s.z),
                                     s.spectralClass, QString::number(s.distanceFromSol), s.mark,
                                     QString::asprintf("%d-%d", s.firstOrbit, s.lastOrbit) })
                         .join(u'|'),
                fields);
        if (!placed.isEmpty())
            QCOMPARE(QString::asprintf("%g %g %d", s.plotX, s.plotY, int(s.shifted)), placed);
    }
};

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
