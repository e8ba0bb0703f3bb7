#include "catalogue/stardistance.h"
#include "mapview/colours.h"
#include "mapview/mapfixture.h"
#include "mapview/sectorgeometry.h"
#include "mapview/travelpass.h"
#include "support/recordingsurface.h"

#include <QtTest>

namespace {

QString line(const QPointF &a, const QPointF &b)
{
    // Either direction is the same link.
    const auto [p, q]
        = std::minmax(a, b, [](QPointF u, QPointF v) { return std::pair(u.x(), u.y()) < std::pair(v.x(), v.y()); });
    return QStringLiteral("%1,%2-%3,%4").arg(p.x()).arg(p.y()).arg(q.x()).arg(q.y());
}

QStringList lines(const QList<RecordedOp> &ops)
{
    QStringList found;
    for (const RecordedOp &op : ops)
        found << line({ op.at[0], op.at[1] }, { op.at[2], op.at[3] });
    found.sort();
    return found;
}

bool onBoxEdge(double x, double y)
{
    const QRectF box = sectorBox();
    const bool inside
        = x >= box.left() - 1e-9 && x <= box.right() + 1e-9 && y >= box.top() - 1e-9 && y <= box.bottom() + 1e-9;
    return inside
        && (qFuzzyCompare(x, box.left()) || qFuzzyCompare(x, box.right()) || qFuzzyCompare(y, box.top())
            || qFuzzyCompare(y, box.bottom()));
}

} // namespace

class TestTravelPass : public QObject
{
    Q_OBJECT
private slots:
    void offDrawsNothing();
    void links_data();
    void links();
    void routeClippedAtGrid();
};

void TestTravelPass::offDrawsNothing()
{
    MapFixture f;
    RecordingSurface surface;
    drawTravel(f.model, surface);
    QVERIFY(surface.ops.isEmpty());
}

void TestTravelPass::links_data()
{
    QTest::addColumn<int>("originX");
    QTest::addColumn<int>("originY");
    QTest::addColumn<double>("limit");
    QTest::addColumn<int>("rangeHigh");
    QTest::addColumn<bool>("grey");
    QTest::newRow("start sector, 5 ly") << -7 << -7 << 5.0 << 40 << false;
    QTest::newRow("start sector, 8.5 ly") << -7 << -7 << 8.5 << 40 << false;
    QTest::newRow("other sector, 3 ly") << -20 << 5 << 3.0 << 40 << false;
    QTest::newRow("range hides stars: no links to them") << -7 << -7 << 6.0 << 5 << false;
    QTest::newRow("grey stars shown: linked") << -7 << -7 << 6.0 << 5 << true;
}

void TestTravelPass::links()
{
    QFETCH(int, originX);
    QFETCH(int, originY);
    QFETCH(double, limit);
    QFETCH(int, rangeHigh);
    QFETCH(bool, grey);
    MapFixture f;
    f.view.originX = originX;
    f.view.originY = originY;
    f.view.rangeHigh = rangeHigh;
    f.view.greyOutOfRange = grey;
    f.view.showLinks = true;
    f.model.travel.jumpLimit = limit;

    // Every two stars the map shows (inside the sector's 15 ly, in range or shown grey) and no
    // farther apart than the limit.
    QStringList expected;
    const auto shown = [&](int i) {
        const StarRecord &s = f.table[i];
        return s.x >= originX && s.x <= originX + 15 && s.y >= originY && s.y <= originY + 15
            && (grey || starDistance(f.table, i, f.view.selectedStar) <= rangeHigh);
    };
    for (int i = 0; i < f.table.size(); ++i)
        for (int j = i + 1; j < f.table.size(); ++j)
            if (shown(i) && shown(j) && starDistance(f.table, i, j) <= limit)
                expected << line(sectorPoint(f.table[i], f.view), sectorPoint(f.table[j], f.view));
    expected.sort();
    QVERIFY(expected.size() > 2);

    RecordingSurface surface;
    surface.DrawWidth = 2;
    surface.DrawStyle = 1;
    drawTravel(f.model, surface);
    QCOMPARE(lines(surface.ops), expected);
    for (const RecordedOp &op : surface.ops) {
        QCOMPARE(op.kind, RecordedOp::Kind::Line);
        QCOMPARE(op.colour, colours::kLink);
        QCOMPARE(op.drawWidth, 1);
        QCOMPARE(op.drawStyle, 0);
    }
    QCOMPARE(surface.DrawWidth, 2);
    QCOMPARE(surface.DrawStyle, 1);
}

void TestTravelPass::routeClippedAtGrid()
{
    MapFixture f;
    const int sol = StarTable::kSol;
    // Two stars well east of the start sector (x beyond 8 + 3) at y inside its span: the leg
    // between them stays outside, the leg from Sol crosses the east edge.
    std::vector<int> east;
    for (int i = 0; i < f.table.size() && east.size() < 2; ++i)
        if (f.table[i].x > 11 && f.table[i].y >= -7 && f.table[i].y <= 8)
            east.push_back(i);
    QCOMPARE(east.size(), size_t(2));
    f.model.travel.route = { sol, east[0], east[1] };

    RecordingSurface surface;
    drawTravel(f.model, surface);
    QCOMPARE(surface.ops.size(), 1);
    const RecordedOp &leg = surface.ops.front();
    QCOMPARE(leg.colour, colours::kRoute);
    QCOMPARE(leg.drawWidth, 3);
    const QPointF from = sectorPoint(f.table[sol], f.view);
    QCOMPARE(QPointF(leg.at[0], leg.at[1]), from);
    QVERIFY(onBoxEdge(leg.at[2], leg.at[3]));
    QCOMPARE(leg.at[2], sectorBox().right());
    // Clipped, the leg keeps its direction towards the star outside.
    const QPointF to = sectorPoint(f.table[east[0]], f.view);
    const double cross = (leg.at[2] - from.x()) * (to.y() - from.y()) - (leg.at[3] - from.y()) * (to.x() - from.x());
    QVERIFY(std::abs(cross) < 1e-6);
}

QTEST_MAIN(TestTravelPass)
#include "tst_travelpass.moc"
