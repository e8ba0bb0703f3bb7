#include "catalogue/stardistance.h"
#include "mapfixture.h"
#include "mapview/colours.h"
#include "mapview/keypanel.h"
#include "mapview/primitives.h"
#include "support/recordingsurface.h"

#include <QtTest>

// The results of f over the inputs, space separated, so that one row covers all edges of a function.
template <typename F, typename... T>
static QString each(F f, T... inputs)
{
    return QStringList({ f(inputs)... }).join(u' ');
}

class TestPrimitives : public QObject
{
    Q_OBJECT
private slots:
    // Every edge of each function in one comparison.
    void edges()
    {
        QCOMPARE(each(signedLabel, 100, -40), "+100 -40"); // the grid labels show the two-digit ones
        QCOMPARE(sectorLine(20, -35, -40, 7), "X +20 to +35  Y -35 to -20  Z -40 to +07");
        QCOMPARE(each([](int v) { return QString::number(inRange(3, 18, v)); }, 2, 3, 18, 19), "0 1 1 0");
        QCOMPARE(each([](qint16 z) { return hex(colourByZ(z)); }, -41, -40, -11, -10, -1, 0, 10, 11, 40, 41),
            "ffff00 ff0000 ff0000 ff00 ff00 ffff ffff 80ff 80ff ffff00");
        // Later classes win whatever the order in the text; lower-case letters are no class.
        QCOMPARE(each([](const char *t) { return hex(colourBySpectralType(QString::fromLatin1(t))); }, "O5", "BO",
                     "DA5", "F8", "DG8", "GK", "KG", "dM4", "k5", ""),
            "ff0000 ffff00 ffffff 99ffff 33ccff 80ff 80ff ff 0 0");
        // The small gaps between the distance bands fall through to black.
        QCOMPARE(each([](double d) { return hex(colourByDistance(d)); }, 4.99, 5.0, 9.99, 9.995, 10.0, 14.99, 14.995,
                     15.0, 19.99, 19.995, 20.0, 24.99, 24.995, 25.0, 29.99, 29.995, 30.0),
            "ffffff c0c0ff c0c0ff 0 8080ff 8080ff 0 4040ff 4040ff 0 c0 c0 0 80 80 0 40");
        QCOMPARE(each([](qint16 d) { return hex(colourByDistanceFromSol(d)); }, 9, 10, 19, 20),
            "ffcd70 ff9000 ff9000 6e001b");
        MapFixture f;
        const int sol = f.star("Sol"), centauriB = f.star("Alpha Centauri B"); // B sits at (-2, -1, -4)
        const auto d = [&](int i, int j) { return QString::number(starDistance(f.table, i, j)); };
        QCOMPARE(QStringList({ d(sol, sol), d(-1, 5), d(5, -1), d(sol, centauriB) }).join(u' '), "0 -1 -1 4.58258");
        // Per mode: Z, spectral, distance from the selected star (itself, 11, none selected), catalogue
        // distance from Sol (Delta Pavonis is 19.7 by its co-ordinates, 20 in the catalogue), polity
        // (Sol belongs to none: dim grey), unknown.
        const auto c = [&](const char *name, int colourCode, int selectedStar) {
            f.view.colourCode = colourCode;
            f.view.selectedStar = selectedStar;
            return hex(starColour(f.model, f.star(QString::fromLatin1(name))));
        };
        QCOMPARE(
            QStringList({ c("61 Cygni A", 0, sol), c("61 Cygni B", 1, sol), c("Sol", 2, sol), c("61 Cygni A", 2, sol),
                            c("61 Cygni A", 2, -1), c("Delta Pavonis", 3, sol), c("Sol", 4, sol), c("Sol", 5, sol) })
                .join(u' '),
            "ff00 80ff ffffff 8080ff ffffff 6e001b 505050 0");
    }

    void qprintAndDleg()
    {
        RecordingSurface s;
        s.foreColor = 0x123456;
        s.fontSize = 8;
        const QString digits = QStringLiteral("0123456789"); // 20 units wide at size 10
        printText(s, digits, 7, 12, colours::kRed, QStringLiteral("Courier"), 10, true, 69);
        printText(s, digits, 7, 12, TextColour::keep(), QString(), 0, false, 0);
        printText(s, digits, 7, 12, colours::kBlack, QString(), 10, true, -1);
        // Centred on 69, then at x 7 twice, keeping foreColor only when asked to: black is a colour too.
        // All restored afterwards.
        QCOMPARE(positions(s.ops), QStringLiteral("59,12 7,12 7,12"));
        QCOMPARE(QStringList({ style(s.ops[0]), style(s.ops[1]), style(s.ops[2]) }),
            QStringList({ "ff 10 bold", "123456 8", "0 10 bold" }));
        QVERIFY(s.foreColor == 0x123456 && s.fontSize == 8 && !s.fontBold && s.fontName == QLatin1String("Arial"));
        s.fontSize = 12.5; // "10" is 5 wide: the half 2.5 goes to the even 2
        s.foreColor = 0xA0A0A0;
        drawKeyEntry(QStringLiteral("10"), 0xFF, 50, 20, 2, s);
        QCOMPARE(positions(s.ops.mid(3)), QStringLiteral("50,20,2 48,22"));
        QCOMPARE(QList<Colour>({ s.ops[3].colour, s.ops[3].fill }), QList<Colour>({ 0xA0A0A0, 0xFF }));
        QVERIFY(s.ops[3].kind == RecordedOp::Kind::Circle && s.ops[4].bold && s.fontBold
            && s.fillStyle == Surface::Fill::Solid);
    }
};

QTEST_GUILESS_MAIN(TestPrimitives)
#include "tst_primitives.moc"
