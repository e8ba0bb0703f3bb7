#include "mapfixture.h"
#include "mapview/colours.h"
#include "mapview/gridpass.h"
#include "mapview/primitives.h"
#include "support/recordingsurface.h"

#include <QtTest>

using Kind = RecordedOp::Kind;

class TestGridPass : public QObject
{
    Q_OBJECT
private slots:
    // On a window and on paper, in each mode: the dashed lines and samples of the labels of columns 0, 7,
    // 8 and 15 (per column: X above, X below, Y left, Y right).
    void gridBySurfaceModeAndOrigin()
    {
        const QString from7 = "35,38,35,188 15,68,165,68 85,38,85,188 15,118,165,118 135,38,135,188 15,168,165,168";
        // From (0, 0), X = 15 on the right edge and Y = 0 on the bottom edge are left to the frame; from
        // (1, -1), X = 0 and Y = 15 fall just outside the box, on the left and top labels.
        const QString from0 = "15,38,15,188 15,38,165,38 65,38,65,188 15,88,165,88 115,38,115,188 15,138,165,138";
        const QString from1 = "55,38,55,188 15,78,165,78 105,38,105,188 15,128,165,128 155,38,155,188 15,178,165,178";
        // At size 13, "-07" is 7.8 wide (half 4) and 5.2 high (half 3).
        const QString labels7 = "-07 11,28|-07 11,192|+08 4,35|+08 168,35|00 82,28|00 6,115|-07 168,185";
        const QString labels0 = "00 12,28|00 12,192|+15 4,35|+15 168,35|+07 81,28|+07 4,115|00 168,185";
        const QString labels1 = "+01 11,28|+01 11,192|+14 4,35|+14 168,35|+08 81,28|+06 4,115|-01 168,185";
        const std::tuple<bool, bool, QPoint, QString, QString> rows[]
            = { { false, false, { -7, -7 }, from7, labels7 }, { false, true, { 0, 0 }, from0, labels0 },
                  { true, false, { 1, -1 }, from1, labels1 }, { true, true, { -7, -7 }, from7, labels7 } };
        for (const auto &[printer, printerMode, origin, dashes, expectedLabels] : rows) {
            MapFixture f;
            f.view.printerMode = printerMode;
            f.view.originX = origin.x();
            f.view.originY = origin.y();
            f.view.textScale = 1.3;
            RecordingSurface s;
            s.printer = printer;
            s.foreColor = 0x123456;
            s.drawWidth = 7;
            drawGrid(f.model, s);
            QVERIFY(s.drawStyle == 0 && s.drawWidth == 1 && s.fontSize == 13); // font size 10 x textScale
            // A window is cleared; on paper a dark page is painted black and a light page is left white.
            QCOMPARE(s.of(Kind::Clear).size(), printer ? 0 : 1);
            QCOMPARE(positions(s.ops.mid(0, 1)) + u' ' + hex(s.ops.front().colour),
                !printer          ? (printerMode ? " ffffff" : " 0")
                    : printerMode ? "5.1,28.1,174.5,197.5 ffffff"
                                  : "0,0,297,210 0");
            // The solid lines in one colour, the dashed lines and the frame that closes the pass in another.
            const auto lines = s.of(Kind::Line);
            const auto dashed
                = s.where([](const RecordedOp &op) { return op.kind == Kind::Line && op.drawStyle == 1; });
            QCOMPARE(lines.size() - dashed.size(), 32);
            QVERIFY(std::all_of(lines.begin(), lines.end(), [&](const RecordedOp &op) {
                return op.colour == (op.drawStyle ? s.ops.back().colour : lines.front().colour);
            }));
            QVERIFY(lines.front().colour != s.ops.back().colour && s.ops.back().drawStyle == 0);
            QCOMPARE(positions(dashed), dashes);
            // The printer mode prints the labels in the surface's foreColor.
            const auto labels = s.of(Kind::Text);
            QCOMPARE(labels.size(), 64);
            QCOMPARE(labels[0].colour, printerMode ? 0x123456u : 0xA0A0A0u);
            QStringList samples;
            for (const int k : { 0, 1, 2, 3, 28, 34, 63 })
                samples << labels[k].text + u' ' + positions({ labels[k] });
            QCOMPARE(samples.join(u'|'), expectedLabels);
        }
    }

    void circlesClippedToTheirAreas()
    {
        MapFixture f;
        // Spheres of 10, 20 and 30, and the range circle of 40 round Sol.
        f.view.showSpheres = f.view.showRangeCircle = true;
        RecordingSurface s;
        drawGrid(f.model, s);
        QSet<Colour> sector, mini;
        // Each circle's radius in light years by its colour; a light year is 10 sector units and
        // 25/70 mini-map units, and Sol stands at (85, 118) and (17.14, 14.5).
        const QHash<Colour, double> radius { { colourByDistanceFromSol(5), 10 }, { colourByDistanceFromSol(15), 20 },
            { colourByDistanceFromSol(25), 30 }, { colourByDistance(40), 40 } };
        for (const RecordedOp &p : s.of(Kind::Point)) {
            const bool inSector = p.drawWidth == 4;
            QVERIFY(inSector ? inRange(15, 165, p.at[0]) && inRange(38, 188, p.at[1])
                             : p.drawWidth == 1 && inRange(5.2, 29.8, p.at[0]) && inRange(2.2, 26.8, p.at[1]));
            (inSector ? sector : mini) << p.colour;
            const double scale = inSector ? 10.0 : 25.0 / 70.0;
            const double length = inSector ? std::hypot(p.at[0] - 85, p.at[1] - 118)
                                           : std::hypot(p.at[0] - 34 * scale - 5, p.at[1] - 35 * scale - 2);
            QVERIFY2(std::abs(length / scale - radius.value(p.colour)) < 0.01, qPrintable(positions({ p })));
        }
        // Only the 10-year sphere reaches into the sector from (-7, -7); the range circle leaves the mini-map.
        QCOMPARE(sector, QSet<Colour>({ colourByDistanceFromSol(5) }));
        QCOMPARE(mini, QSet<Colour>(radius.keyBegin(), radius.keyEnd()));
        // No range circle without a selected star.
        f.view.showSpheres = false;
        f.view.selectedStar = -1;
        s.ops.clear();
        drawGrid(f.model, s);
        QVERIFY(s.of(Kind::Point).isEmpty());
    }

    // A range circle of 30 light years or more (on paper, the screen, a big screen) has its 4-pixel dots no
    // more than half a dot apart, a solid line; a small one keeps a thousand points a half turn; one too
    // wide to reach any sector is not drawn.
    void bigCirclesAreSolid()
    {
        for (const auto &[range, textScale, origin] : { std::tuple { 10, 1.28, -7 }, { 30, 1.0, 20 }, { 30, 1.28, 20 },
                 { -30, 1.28, 20 }, { 45, 2.5, 20 }, { 1000000000, 1.0, 20 } }) {
            MapFixture f;
            f.view.showRangeCircle = true;
            f.view.rangeHigh = range;
            f.view.textScale = textScale;
            f.view.originX = f.view.originY = origin;
            RecordingSurface s;
            drawGrid(f.model, s);
            const auto dots = s.where([](const RecordedOp &op) { return op.kind == Kind::Point && op.drawWidth == 4; });
            double widest = 0; // between neighbours, not where the circle left the grid
            for (qsizetype k = 1; k < dots.size(); ++k)
                if (const double gap = std::hypot(dots[k].at[0] - dots[k - 1].at[0], dots[k].at[1] - dots[k - 1].at[1]);
                    gap < 5)
                    widest = std::max(widest, gap);
            QCOMPARE(dots.isEmpty(), range > 100);
            QVERIFY(range == 10 ? qAbs(widest - 0.314) < 0.001 : widest <= 1.01 * 2 * 25.4 / 96 / textScale);
        }
    }
};

QTEST_GUILESS_MAIN(TestGridPass)
#include "tst_gridpass.moc"
