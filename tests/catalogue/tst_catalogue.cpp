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

    // Every field lands in its own member: a mark, a blank mark kept as one space, a degree sign and
    // a first orbit past 1. Two or three stars in one cell are spread round it and the later ones are
    // marked as shifted.
    void stars()
    {
        const StarTable table = StarTable::fromCatalogue();
        // index, system|star|x y z|class|distance|mark|orbits and plotX plotY shifted (unchecked when empty)
        const std::tuple<int, const char *, const char *> rows[] = { { 0, "", "-4 -15.8 0" }, { 1, "", "-4.2 -16.2 1" },
            { 2, "", "-3.8 -16.2 1" }, { 5, "61 Cygni|61 Cygni A|6 -6 -7|K5|11|R|1-6", "" }, { 87, "", "-8.8 7.8 1" },
            { 89, "CD -8°|CD -8° A|-6 -20 -3|dM3|21||2-12", "" },
            { 93, "Cincinnati|Cincinnati|12 0 -9|dM3|15| |1-12", "" }, { 111, "", "5.8 -18.2 0" },
            { 112, "", "6.2 -17.8 1" }, { 165, "", "0 0 0" } };
        for (const auto &[index, fields, placed] : rows) {
            const StarRecord &s = table[index];
            if (*fields)
                QCOMPARE(QStringList({ s.systemName, s.starName, QString::asprintf("%d %d %d", s.x, s.y, s.z),
                                         s.spectralClass, QString::number(s.distanceFromSol), s.mark,
                                         QString::asprintf("%d-%d", s.firstOrbit, s.lastOrbit) })
                             .join(u'|'),
                    QString::fromUtf8(fields));
            if (*placed)
                QCOMPARE(QString::asprintf("%g %g %d", s.plotX, s.plotY, int(s.shifted)), QString(placed));
        }
    }
};

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
