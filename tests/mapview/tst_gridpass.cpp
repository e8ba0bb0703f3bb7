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
    void clearsAndColoursBySurfaceAndMode_data()
    {
        QTest::addColumn<bool>("printer");
        QTest::addColumn<bool>("wysflag");
        QTest::addColumn<QList<Colour>>("colours"); // first op, panels, mini-map outline, solid lines, dashed
        QTest::newRow("window, dark") << false << false << QList<Colour> { 0, 0, 0xA0A0A0, 0x202000, 0x505050 };
        QTest::newRow("window, printer mode")
            << false << true << QList<Colour> { 0xFFFFFF, 0xFFFFFF, 0xFFFF00, 0xFFFF00, 0xFF0000 };
        // A dark page is painted black; a light page is left white, so its first box is a panel.
        QTest::newRow("printer, dark") << true << false << QList<Colour> { 0, 0, 0xA0A0A0, 0x202000, 0x505050 };
        QTest::newRow("printer, printer mode")
            << true << true << QList<Colour> { 0xFFFFFF, 0xFFFFFF, 0xFFFF00, 0xFFFF00, 0xFF0000 };
    }
    void clearsAndColoursBySurfaceAndMode()
    {
        QFETCH(bool, printer);
        QFETCH(bool, wysflag);
        QFETCH(QList<Colour>, colours);
        MapFixture f;
        f.model.view.wysflag = wysflag;
        RecordingSurface surface(printer);
        drawgrid(f.model, surface);
        QCOMPARE(surface.ops.front().kind, printer ? Kind::FilledBox : Kind::Cls);
        QCOMPARE(surface.ops.front().colour, colours[0]);
        QCOMPARE(surface.ofKind(Kind::Cls).size(), printer ? 0u : 1u);
        if (printer && !wysflag)
            QCOMPARE(surface.ops.front().corners(), QList<double>({ 0, 0, 297, 210 }));
        const auto panels = surface.where([](const RecordedOp &op) { return op.kind == Kind::FilledBox && op.x1 > 1; });
        QCOMPARE(panels.size(), 2u);
        QCOMPARE(panels[0].corners(), QList<double>({ 5.1, 28.1, 174.5, 197.5 }));
        QCOMPARE(QList<Colour>({ panels[0].colour, panels[1].colour }), QList<Colour>({ colours[1], colours[1] }));
        QCOMPARE(surface.ofKind(Kind::Box).front().colour, colours[2]);
        const auto solid
            = surface.where([](const RecordedOp &op) { return op.kind == Kind::Line && op.drawStyle == 0; });
        QCOMPARE(solid.size(), 32u);
        for (const RecordedOp &line : solid)
            QCOMPARE(line.colour, colours[3]);
        // The frame closes the pass, solid, in the dashed-line colour.
        QCOMPARE(surface.ops.back().corners(), QList<double>({ 15, 38, 165, 188 }));
        QCOMPARE(surface.ops.back().colour, colours[4]);
        QCOMPARE(surface.ops.back().drawStyle, 0);
    }

    void dashedLinesOnlyInsideTheBox_data()
    {
        QTest::addColumn<int>("xorg");
        QTest::addColumn<int>("yorg");
        QTest::addColumn<QList<double>>("verticalX");
        QTest::addColumn<QList<double>>("horizontalY");
        QTest::newRow("-7, -7") << -7 << -7 << QList<double> { 35, 85, 135 } << QList<double> { 68, 118, 168 };
        // X = 15 on the right edge and Y = 0 on the bottom edge are left to the frame.
        QTest::newRow("0, 0") << 0 << 0 << QList<double> { 15, 65, 115 } << QList<double> { 38, 88, 138 };
        QTest::newRow("-35, 20") << -35 << 20 << QList<double> { 15, 65, 115 } << QList<double> { 38, 88, 138 };
    }
    void dashedLinesOnlyInsideTheBox()
    {
        QFETCH(int, xorg);
        QFETCH(int, yorg);
        MapFixture f;
        f.model.view.xorg = xorg;
        f.model.view.yorg = yorg;
        RecordingSurface surface;
        drawgrid(f.model, surface);
        QList<double> verticalX, horizontalY;
        for (const RecordedOp &op : surface.where([](const RecordedOp &op) { return op.drawStyle == 1; })) {
            if (op.kind == Kind::Print)
                continue;
            QCOMPARE(op.colour, Colour(0x505050));
            const bool vertical = op.x1 == op.x2;
            (vertical ? verticalX : horizontalY) << (vertical ? op.x1 : op.y1);
            QCOMPARE(vertical ? QList<double>({ op.y1, op.y2 }) : QList<double>({ op.x1, op.x2 }),
                vertical ? QList<double>({ 38, 188 }) : QList<double>({ 15, 165 }));
        }
        QTEST(verticalX, "verticalX");
        QTEST(horizontalY, "horizontalY");
    }

    void labelsAndEndState()
    {
        MapFixture f;
        f.model.view.fscale = 1.3;
        RecordingSurface surface;
        surface.DrawWidth = 7;
        drawgrid(f.model, surface);
        QCOMPARE(QList<double>({ double(surface.DrawStyle), double(surface.DrawWidth), surface.FontSize }),
            QList<double>({ 0, 1, 13 }));
        const auto labels = surface.ofKind(Kind::Print);
        QCOMPARE(labels.size(), 64u);
        // Per column i: X above, X below, Y left, Y right. Size 13: "-07" is 7.8 wide (half 4), 5.2 high (half 3).
        const struct
        {
            int op;
            const char *text;
            double x, y;
        } expected[] = { { 0, "-07", 11, 28 }, { 1, "-07", 11, 192 }, { 2, "+08", 4, 35 }, { 3, "+08", 168, 35 },
            { 28, "00", 82, 28 }, { 34, "00", 6, 115 }, { 35, "00", 168, 115 }, { 63, "-07", 168, 185 } };
        for (const auto &e : expected) {
            const RecordedOp &op = labels[size_t(e.op)];
            QCOMPARE(op.text, QString::fromLatin1(e.text));
            QCOMPARE(QList<double>({ op.x1, op.y1, op.fontSize }), QList<double>({ e.x, e.y, 13 }));
            QCOMPARE(op.colour, Colour(0xA0A0A0));
        }
        // In the printer mode the labels keep the surface's own ForeColor.
        f.model.view.wysflag = true;
        RecordingSurface light;
        light.ForeColor = 0x123456;
        drawgrid(f.model, light);
        QCOMPARE(light.ofKind(Kind::Print).front().colour, Colour(0x123456));
    }

    void circlesClippedToTheirAreas()
    {
        MapFixture f;
        f.model.view.sodflag = true;
        RecordingSurface surface;
        drawgrid(f.model, surface);
        int sector30 = 0, mini30 = 0;
        for (const RecordedOp &p : surface.ofKind(Kind::PSet)) {
            QVERIFY(p.colour == d2solcol(5) || p.colour == d2solcol(15) || p.colour == d2solcol(25));
            const bool sector = p.drawWidth == 4;
            QVERIFY(sector ? inrange(15, 165, p.x1) && inrange(38, 188, p.y1)
                           : p.drawWidth == 1 && inrange(5.2, 29.8, p.x1) && inrange(2.2, 26.8, p.y1));
            (sector ? sector30 : mini30) += p.colour == d2solcol(25);
        }
        // The 30-year sphere lies wholly outside the sector from (-7, -7) but whole on the mini-map.
        QCOMPARE(sector30, 0);
        QCOMPARE(mini30, 2001);
        // The first point of a circle is straight below its centre on both maps.
        RecordingSurface one;
        plotcircle(f.model.view, 0, 0, 1, 0xFF, one);
        QCOMPARE(one.ops.at(0).corners(), QList<double>({ 85, 128, 0, 0 }));
        QCOMPARE(float(one.ops.at(1).x1), 34 * (25.0f / 70.0f) + 5);
        QCOMPARE(one.DrawWidth, 1);
    }

    void rangeCircleNeedsASelectedStar()
    {
        MapFixture f;
        f.model.view.dfsflag = true;
        f.model.view.hirange = 10;
        RecordingSurface surface;
        drawgrid(f.model, surface);
        const auto points = surface.ofKind(Kind::PSet);
        QVERIFY(!points.empty());
        QVERIFY(std::all_of(points.begin(), points.end(), [](const RecordedOp &p) { return p.colour == 0x8080FF; }));
        f.model.view.selstar = -1;
        RecordingSurface none;
        drawgrid(f.model, none);
        QVERIFY(none.ofKind(Kind::PSet).empty());
    }
};

QTEST_GUILESS_MAIN(TestGridPass)
#include "tst_gridpass.moc"
