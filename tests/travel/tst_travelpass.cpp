#include "catalogue/stardistance.h"
#include "mapview/colours.h"
#include "mapview/mapfixture.h"
#include "mapview/sectorgeometry.h"
#include "mapview/travelpass.h"
#include "support/recordingsurface.h"

#include <QtTest>

namespace {

// A link as "x,y-x,y", either direction the same.
QString line(const QPointF &a, const QPointF &b)
{
    const auto [p, q]
        = std::minmax(a, b, [](QPointF u, QPointF v) { return std::pair(u.x(), u.y()) < std::pair(v.x(), v.y()); });
    return QStringLiteral("%1,%2-%3,%4").arg(p.x()).arg(p.y()).arg(q.x()).arg(q.y());
}

} // namespace

class TestTravelPass : public QObject
{
    Q_OBJECT
private slots:
    void links_data()
    {
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<double>("limit");
        QTest::addColumn<int>("rangeHigh");
        QTest::addColumn<bool>("grey");
        QTest::newRow("start sector, 5 ly") << QPoint(-7, -7) << 5.0 << 40 << false;
        QTest::newRow("other sector, 3 ly") << QPoint(-20, 5) << 3.0 << 40 << false;
        QTest::newRow("range hides stars: no links to them") << QPoint(-7, -7) << 6.0 << 5 << false;
        QTest::newRow("grey stars shown: linked") << QPoint(-7, -7) << 6.0 << 5 << true;
    }

    void links()
    {
        QFETCH(QPoint, origin);
        QFETCH(double, limit);
        QFETCH(int, rangeHigh);
        QFETCH(bool, grey);
        MapFixture f;
        f.view.originX = origin.x();
        f.view.originY = origin.y();
        f.view.rangeHigh = rangeHigh;
        f.view.greyOutOfRange = grey;
        f.model.campaign.travel.jumpLimit = limit;
        RecordingSurface surface;
        drawTravel(f.model, surface); // links off, no route: nothing
        QVERIFY(surface.ops.isEmpty());
        f.view.showLinks = true;

        // Every two stars the map shows (inside the sector's 15 ly, in range or shown grey) and no
        // farther apart than the limit.
        QStringList expected, drawn;
        const auto shown = [&](int i) {
            const StarRecord &s = f.table[i];
            return s.x >= origin.x() && s.x <= origin.x() + 15 && s.y >= origin.y() && s.y <= origin.y() + 15
                && (grey || starDistance(f.table, i, f.view.selectedStar) <= rangeHigh);
        };
        for (int i = 0; i < f.table.size(); ++i)
            for (int j = i + 1; j < f.table.size(); ++j)
                if (shown(i) && shown(j) && starDistance(f.table, i, j) <= limit)
                    expected << line(sectorPoint(f.table[i], f.view), sectorPoint(f.table[j], f.view));
        expected.sort();
        QVERIFY(expected.size() > 2);

        surface.drawWidth = 2;
        surface.drawStyle = 1;
        drawTravel(f.model, surface);
        for (const RecordedOp &op : surface.ops) {
            drawn << line({ op.at[0], op.at[1] }, { op.at[2], op.at[3] });
            QVERIFY(op.kind == RecordedOp::Kind::Line && op.colour == colours::kLink);
            QVERIFY(op.drawWidth == 1 && op.drawStyle == 0);
        }
        drawn.sort();
        QCOMPARE(drawn, expected);
        QVERIFY(surface.drawWidth == 2 && surface.drawStyle == 1);
    }

    void routeClippedAtGrid()
    {
        MapFixture f;
        const int sol = StarTable::kSol;
        // BD +15° (20, -6) and BD +4° (22, 4) lie well east of the start sector inside its span of y:
        // the leg between them stays outside, the leg from Sol crosses the east edge.
        const int east = f.star(QString::fromUtf8("BD +15°"));
        f.model.campaign.travel.route = { sol, east, f.star(QString::fromUtf8("BD +4°")) };

        RecordingSurface surface;
        drawTravel(f.model, surface);
        // One leg, and the destination outside the sector ringed on the mini-map only, at (22 + 35, 35 - 4).
        QCOMPARE(surface.ops.size(), 2);
        QCOMPARE(
            positions({ surface.ops.back() }), QString("%1,%2,1.2").arg(57 * 25.0 / 70 + 5).arg(31 * 25.0 / 70 + 2));
        const RecordedOp &leg = surface.ops.front();
        QVERIFY(leg.colour == colours::kRoute && leg.drawWidth == 3);
        const QPointF from = sectorPoint(f.table[sol], f.view);
        QCOMPARE(QPointF(leg.at[0], leg.at[1]), from);
        QCOMPARE(leg.at[2], sectorBox().right());
        // Clipped, the leg keeps its direction towards the star outside.
        const QPointF to = sectorPoint(f.table[east], f.view);
        const double cross
            = (leg.at[2] - from.x()) * (to.y() - from.y()) - (leg.at[3] - from.y()) * (to.x() - from.x());
        QVERIFY(std::abs(cross) < 1e-6);

        // A destination in the sector is ringed there too, round its dot.
        f.model.campaign.travel.route = { east, sol };
        surface.ops.clear();
        drawTravel(f.model, surface);
        QCOMPARE(QPointF(surface.ops[1].at[0], surface.ops[1].at[1]), from);
    }
};

QTEST_MAIN(TestTravelPass)
#include "tst_travelpass.moc"
