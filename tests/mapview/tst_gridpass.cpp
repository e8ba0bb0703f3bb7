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
    void clearsBySurfaceKindAndMode_data();
    void clearsBySurfaceKindAndMode();
    void dashedLinesOnlyInsideTheBox_data();
    void dashedLinesOnlyInsideTheBox();
    void labelsOnFourSides();
    void leavesSolidWidthOneAndGridFont();
    void circlesAreClippedToTheirAreas();
    void rangeCircleNeedsASelectedStar();
};

void TestGridPass::clearsBySurfaceKindAndMode_data()
{
    QTest::addColumn<bool>("printer");
    QTest::addColumn<bool>("wysflag");
    QTest::addColumn<int>("firstKind");
    QTest::addColumn<Colour>("firstColour");
    QTest::addColumn<Colour>("panel");
    QTest::addColumn<Colour>("gridLine");
    QTest::addColumn<Colour>("dashed");
    QTest::newRow("window, dark") << false << false << int(Kind::Cls) << Colour(0) << Colour(0) << Colour(0x202000)
                                  << Colour(0x505050);
    QTest::newRow("window, printer mode") << false << true << int(Kind::Cls) << Colour(0xFFFFFF) << Colour(0xFFFFFF)
                                          << Colour(0xFFFF00) << Colour(0xFF0000);
    // On paper a dark page is painted black; a light one is left white (the first box is a panel).
    QTest::newRow("printer, dark") << true << false << int(Kind::FilledBox) << Colour(0) << Colour(0)
                                   << Colour(0x202000) << Colour(0x505050);
    QTest::newRow("printer, printer mode") << true << true << int(Kind::FilledBox) << Colour(0xFFFFFF)
                                           << Colour(0xFFFFFF) << Colour(0xFFFF00) << Colour(0xFF0000);
}

void TestGridPass::clearsBySurfaceKindAndMode()
{
    QFETCH(bool, printer);
    QFETCH(bool, wysflag);
    MapFixture f;
    f.model.view.wysflag = wysflag;
    RecordingSurface surface(printer);
    drawgrid(f.model, surface);
    const RecordedOp first = surface.ops.front();
    QTEST(int(first.kind), "firstKind");
    QTEST(first.colour, "firstColour");
    if (printer && !wysflag)
        QCOMPARE(QList<double>({ first.x1, first.y1, first.x2, first.y2 }), QList<double>({ 0, 0, 297, 210 }));
    QCOMPARE(surface.ofKind(Kind::Cls).size(), printer ? 0u : 1u);

    const auto panels = surface.where([](const RecordedOp &op) { return op.kind == Kind::FilledBox && op.x1 > 1; });
    QCOMPARE(panels.size(), 2u);
    QTEST(panels[0].colour, "panel");
    QTEST(panels[1].colour, "panel");
    const RecordedOp outline = surface.ofKind(Kind::Box).front();
    QCOMPARE(outline.colour, wysflag ? Colour(0xFFFF00) : Colour(0xA0A0A0));
    const RecordedOp frame = surface.ops.back();
    QCOMPARE(QList<double>({ frame.x1, frame.y1, frame.x2, frame.y2 }), QList<double>({ 15, 38, 165, 188 }));
    QTEST(frame.colour, "dashed");
    const auto solid = surface.where([](const RecordedOp &op) { return op.kind == Kind::Line && op.drawStyle == 0; });
    QCOMPARE(solid.size(), 32u);
    for (const RecordedOp &line : solid)
        QTEST(line.colour, "gridLine");
}

void TestGridPass::dashedLinesOnlyInsideTheBox_data()
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

void TestGridPass::dashedLinesOnlyInsideTheBox()
{
    QFETCH(int, xorg);
    QFETCH(int, yorg);
    MapFixture f;
    f.model.view.xorg = xorg;
    f.model.view.yorg = yorg;
    RecordingSurface surface;
    drawgrid(f.model, surface);
    QList<double> verticalX, horizontalY;
    for (const RecordedOp &op :
        surface.where([](const RecordedOp &op) { return op.drawStyle == 1 && op.kind != Kind::Print; })) {
        QCOMPARE(op.colour, Colour(0x505050));
        if (op.x1 == op.x2) {
            QCOMPARE(QList<double>({ op.y1, op.y2 }), QList<double>({ 38, 188 }));
            verticalX << op.x1;
        } else {
            QCOMPARE(QList<double>({ op.x1, op.x2 }), QList<double>({ 15, 165 }));
            horizontalY << op.y1;
        }
    }
    QTEST(verticalX, "verticalX");
    QTEST(horizontalY, "horizontalY");
}

void TestGridPass::labelsOnFourSides()
{
    MapFixture f;
    RecordingSurface surface;
    surface.ForeColor = 0x123456;
    drawgrid(f.model, surface);
    const auto labels = surface.ofKind(Kind::Print);
    QCOMPARE(labels.size(), 64u);
    // Per column: X above, X below, Y left, Y right. Size 10: a label is 6 wide and 4 high.
    const auto at = [&](int i, int side) { return labels[size_t(4 * i + side)]; };
    const struct
    {
        int i, side;
        const char *text;
        double x, y;
    } expected[] = { { 0, 0, "-07", 12, 29 }, { 0, 1, "-07", 12, 193 }, { 0, 2, "+08", 6, 36 },
        { 0, 3, "+08", 168, 36 }, { 7, 0, "00", 83, 29 }, { 8, 2, "00", 6, 116 }, { 8, 3, "00", 170, 116 },
        { 15, 1, "+08", 162, 193 }, { 15, 3, "-07", 168, 186 } };
    for (const auto &e : expected) {
        const RecordedOp op = at(e.i, e.side);
        QCOMPARE(op.text, QString::fromLatin1(e.text));
        QCOMPARE(QList<double>({ op.x1, op.y1 }), QList<double>({ e.x, e.y }));
        QCOMPARE(op.colour, Colour(0xA0A0A0));
        QVERIFY(!op.fontBold);
    }
    // In the printer mode the labels keep the surface's own ForeColor.
    f.model.view.wysflag = true;
    RecordingSurface light;
    light.ForeColor = 0x123456;
    drawgrid(f.model, light);
    QCOMPARE(light.ofKind(Kind::Print).front().colour, Colour(0x123456));
}

void TestGridPass::leavesSolidWidthOneAndGridFont()
{
    MapFixture f;
    f.model.view.fscale = 1.3;
    f.model.view.sodflag = true;
    RecordingSurface surface;
    surface.DrawWidth = 7;
    drawgrid(f.model, surface);
    QCOMPARE(surface.DrawStyle, 0);
    QCOMPARE(surface.DrawWidth, 1);
    QCOMPARE(surface.FontSize, 13.0);
    QCOMPARE(surface.ops.back().drawStyle, 0);
}

void TestGridPass::circlesAreClippedToTheirAreas()
{
    MapFixture f;
    f.model.view.sodflag = true;
    RecordingSurface surface;
    drawgrid(f.model, surface);
    const auto points = surface.ofKind(Kind::PSet);
    QVERIFY(!points.empty());
    int sector30 = 0, mini30 = 0;
    for (const RecordedOp &p : points) {
        QVERIFY(p.colour == d2solcol(5) || p.colour == d2solcol(15) || p.colour == d2solcol(25));
        if (p.drawWidth == 4) {
            QVERIFY(inrange(15, 165, p.x1) && inrange(38, 188, p.y1));
            sector30 += p.colour == d2solcol(25);
        } else {
            QCOMPARE(p.drawWidth, 1);
            QVERIFY(inrange(5.2, 29.8, p.x1) && inrange(2.2, 26.8, p.y1));
            mini30 += p.colour == d2solcol(25);
        }
    }
    // The 30-year sphere lies wholly outside the sector from (-7, -7) but whole on the mini-map.
    QCOMPARE(sector30, 0);
    QCOMPARE(mini30, 2001);
    // Centred on the sector point of (0, 0) and the mini-map point (34 / 70 * 25 + 5, 35 / 70 * 25 + 2).
    RecordingSurface one;
    plotcircle(f.model.view, 0, 0, 1, 0xFF, one);
    QCOMPARE(one.ops.front().x1, 85.0);
    QCOMPARE(one.ops.front().y1, 128.0);
    QCOMPARE(one.ops.at(1).x1, float((0 + 34) * (25.0f / 70.0f) + 5));
    QCOMPARE(one.DrawWidth, 1);
}

void TestGridPass::rangeCircleNeedsASelectedStar()
{
    MapFixture f;
    f.model.view.dfsflag = true;
    f.model.view.hirange = 10;
    RecordingSurface surface;
    drawgrid(f.model, surface);
    const auto points = surface.ofKind(Kind::PSet);
    QVERIFY(!points.empty());
    for (const RecordedOp &p : points)
        QCOMPARE(p.colour, Colour(0x8080FF));
    f.model.view.selstar = -1;
    RecordingSurface none;
    drawgrid(f.model, none);
    QVERIFY(none.ofKind(Kind::PSet).empty());
}

QTEST_GUILESS_MAIN(TestGridPass)
#include "tst_gridpass.moc"
