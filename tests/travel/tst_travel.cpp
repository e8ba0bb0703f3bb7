#include "catalogue/stardistance.h"
#include "files/scriptedui.h"
#include "files/statecodec.h"
#include "files/statefilecommands.h"
#include "mapview/colours.h"
#include "mapview/mapfixture.h"
#include "mapview/sectorgeometry.h"
#include "mapview/travelpass.h"
#include "routes/routesearch.h"
#include "routes/routetext.h"
#include "routes/travelfile.h"
#include "support/recordingsurface.h"
#include "travel/travelcommands.h"

#include <QDir>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

TravelPlan plotted(const MapFixture &f, double limit, int from, int to)
{
    return { limit, plotRoute(f.model.distances, from, to, limit).stars };
}

// A link as "x,y-x,y", either direction the same.
QString line(const QPointF &a, const QPointF &b)
{
    const auto [p, q]
        = std::minmax(a, b, [](QPointF u, QPointF v) { return std::pair(u.x(), u.y()) < std::pair(v.x(), v.y()); });
    return QStringLiteral("%1,%2-%3,%4").arg(p.x()).arg(p.y()).arg(q.x()).arg(q.y());
}

} // namespace

// Travel planning: the plan's file, the commands that plot, copy and keep a route, and its drawing.
class TestTravel : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
private slots:
    void roundTripAndGarbage()
    {
        const MapFixture f;
        const QString name = m_dir.filePath(QStringLiteral("round.travel"));
        const int sol = f.star("Sol");
        for (const TravelPlan &plan : { TravelPlan { 5.0, {} }, plotted(f, 7.4, sol, f.star("Tau Ceti")),
                 plotted(f, 15.0, 0, f.table.size() - 1), plotted(f, 1.0, f.star("Sirius A"), f.star("Sirius B")) }) {
            QVERIFY(plan.jumpLimit == 5.0 || plan.route.size() >= 2);
            TravelPlan read;
            QVERIFY(saveTravelFile(name, plan) && loadTravelFile(name, f.model.distances, read) == TravelLoad::Loaded);
            QVERIFY(read == plan);
            QVERIFY(decodeTravel(encodeTravel(plan).replace("\r\n", "\n"), f.model.distances) == plan); // LF too
        }
        for (const QByteArray &bytes : { QByteArray(), QByteArray("\x00\xff\xfe\x01\r\n\x80", 6),
                 QByteArray("Quorvane travel plan 2\r\nlimit 5.0\r\nroute\r\n") })
            QVERIFY(!decodeTravel(bytes, f.model.distances));
        // Limits outside 1..15, not numbers or not in tenths; stars outside the table; a single star;
        // lines swapped or missing; a leg longer than the limit (Sol to Alpha Centauri A is 4.58 ly).
        const QByteArray alpha = QByteArray::number(f.star("Alpha Centauri A"));
        for (const QByteArray &rest :
            QList<QByteArray> { "limit 0.5\r\nroute", "limit 15.5\r\nroute", "limit five\r\nroute",
                "limit nan\r\nroute", "limit 6.25\r\nroute", "limit 5.0\r\nroute 165 192", "limit 5.0\r\nroute -1 3",
                "limit 5.0\r\nroute 165", "route 1 2\r\nlimit 5.0", "limit 5.0", "limit 4.5\r\nroute 165 " + alpha })
            QVERIFY2(!decodeTravel(QByteArray("Quorvane travel plan 1\r\n") + rest + "\r\n", f.model.distances), rest);
        QVERIFY(decodeTravel("Quorvane travel plan 1\r\nlimit 4.6\r\nroute 165 " + alpha + "\r\n", f.model.distances));
    }

    // A game state keeps its campaign in the side file beside it, keys of a newer program included;
    // a load takes it back, or an older campaign's travel file, or drops the route (with a message
    // naming the fault) when the side file is gone or malformed. A player map neither writes nor reads it.
    void withGameState()
    {
        MapFixture f;
        const TravelPlan plan = plotted(f, 7.5, 165, f.star("Tau Ceti"));
        f.model.campaign.travel = plan;
        f.model.campaign.otherKeys.insert("fromNewer", QJsonObject { { "kept", true } });
        ScriptedUi ui;
        int redraws = 0;
        StateFileCommands files(f.model, ui, ui, [&redraws] { ++redraws; });
        const QString state = m_dir.filePath(QStringLiteral("game.kmf"));
        const QString side = m_dir.filePath(QStringLiteral("game.campaign"));
        const QString travel = m_dir.filePath(QStringLiteral("game.travel"));
        ui.answer = state;
        files.saveGameState();
        // The game state is byte for byte what it is without travel planning.
        QVERIFY(saveStateFile(m_dir.filePath("plain.kmf"), f.view, f.model.notes, false));
        QCOMPARE(contents(state), contents(m_dir.filePath("plain.kmf")));
        const QByteArray saved = contents(side);
        QVERIFY(saved.contains("\"fromNewer\"") && saved.contains("\"jumpLimit\": 7.5") && !QFile::exists(travel));
        const Campaign written = f.model.campaign;

        const auto load = [&](const QString &name, const QByteArray &bytes) {
            QFile::remove(side);
            QFile::remove(travel);
            QVERIFY(bytes.isEmpty() || contents(name, bytes) == bytes);
            f.model.campaign = Campaign(f.model.notes.size());
            f.model.campaign.travel = { 3.0, { 1, 2 } };
            ui.shown.clear();
            files.loadGameState();
        };
        load(side, saved);
        QVERIFY(f.model.campaign == written && ui.shown.isEmpty());
        load(travel, encodeTravel(plan));
        QVERIFY(f.model.campaign.travel == plan && f.model.campaign.otherKeys.isEmpty() && ui.shown.isEmpty());
        load(side, {});
        QVERIFY(f.model.campaign.travel == TravelPlan({ 3.0, {} }) && ui.shown.isEmpty());
        QByteArray wrong = saved;
        wrong.replace("\"jumpLimit\": 7.5", "\"jumpLimit\": \"far\"");
        load(side, wrong);
        QVERIFY(f.model.campaign.travel == TravelPlan({ 3.0, {} }));
        QCOMPARE(ui.shown.size(), 1);
        QVERIFY2(ui.shown[0].contains(QDir::toNativeSeparators(side) + ": travel.jumpLimit"), qPrintable(ui.shown[0]));
        QVERIFY(ui.shown[0].endsWith("|Load Campaign|?"));
        QCOMPARE(redraws, 4);

        QFile::remove(side);
        ui.answer = m_dir.filePath(QStringLiteral("game.ply"));
        files.savePlayerMap();
        QVERIFY(!QFile::exists(side) && !QFile::exists(travel));
        QCOMPARE(contents(side, "garbage"), "garbage");
        f.model.campaign.travel = { 3.0, { 1, 2 } };
        files.loadPlayerMap();
        QVERIFY(f.model.campaign.travel == TravelPlan({ 3.0, { 1, 2 } }));
    }

    void plotAndCopy()
    {
        MapFixture f;
        f.view.secondStar = f.view.selectedStar; // the same star twice: nothing to plot
        ScriptedUi ui;
        int redraws = 0;
        TravelCommands travel(f.model, ui, ui, [&redraws] { ++redraws; });
        travel.plotSelectedRoute();
        QVERIFY(f.model.campaign.travel.route.empty() && redraws == 0);
        // The second star a game starts with is no destination until one is chosen.
        f.view.secondStar = 40;
        travel.plotSelectedRoute();
        QVERIFY(f.model.campaign.travel.route.empty() && redraws == 0
            && ui.shown.last().startsWith("Choose the destination"));

        f.view.secondStarChosen = true;
        f.model.campaign.travel.jumpLimit = 15.0;
        travel.plotSelectedRoute();
        QVERIFY(f.model.campaign.travel.route.size() >= 2 && redraws == 1);
        const QString shown = ui.shown.last();
        QVERIFY2(shown.startsWith(QStringLiteral("Route from ")) && shown.endsWith("|Plot Route|?"), qPrintable(shown));
        QCOMPARE(
            shown.count(QStringLiteral(" ly\r\n")), int(f.model.campaign.travel.route.size()) - 1); // one line a leg
        QCOMPARE(travel.shownText() + "|Plot Route|?", shown);
        travel.copyRoute();
        QCOMPARE(ui.copied + "|Plot Route|?", shown);

        travel.clearRoute();
        ui.copied.clear();
        travel.copyRoute();
        QVERIFY(f.model.campaign.travel.route.empty() && redraws == 2 && ui.copied.isEmpty()
            && travel.shownText().isEmpty());
    }

    // Sol to Tau Ceti plotted at 8 ly (two jumps), then a new limit: the route is plotted again between the
    // same stars, or cleared with the reason shown; no leg exceeds the limit its text names.
    void limitChangeKeepsTheRouteTrue()
    {
        for (const auto &[limit, jumps] : { std::pair { 3.0, 0 }, { 7.0, 0 }, { 7.5, 6 }, { 15.0, 1 } }) {
            MapFixture f;
            ScriptedUi ui;
            TravelCommands travel(f.model, ui, ui, [] {});
            f.view.secondStar = f.star("Tau Ceti");
            f.view.secondStarChosen = true;
            travel.setJumpLimit(8.0);
            travel.plot(false);
            QVERIFY(ui.shown.isEmpty() && f.model.campaign.travel.route.size() == 3);
            travel.setJumpLimit(limit);
            const std::vector<int> &route = f.model.campaign.travel.route;
            QCOMPARE(int(route.size()) - 1, jumps ? jumps : -1);
            for (size_t k = 1; k < route.size(); ++k)
                QVERIFY(f.model.distances(route[k - 1], route[k]) <= limit && route.back() == f.view.secondStar);
            QVERIFY(travel.shownText().contains(
                (jumps ? "jump limit " : "jump limit of ") + QString::number(limit, 'f', 1)));
        }
        // Two stars of one name are told apart by their co-ordinates.
        const MapFixture f;
        QCOMPARE(routeStarName(f.table, f.star(QString::fromUtf8("CD -21°"))), "CD -21° (X -1, Y 18, Z -7)");
        QCOMPARE(routeStarName(f.table, f.star("Sol")), "Sol");
    }

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

QTEST_MAIN(TestTravel)
#include "tst_travel.moc"
