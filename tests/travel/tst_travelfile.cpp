#include "files/scriptedui.h"
#include "files/statecodec.h"
#include "files/statefilecommands.h"
#include "mapview/mapfixture.h"
#include "routes/travelfile.h"
#include "travel/travelcommands.h"

#include <QTemporaryDir>
#include <QTest>

class TestTravelFile : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
private slots:
    void roundTripAndGarbage()
    {
        const int stars = StarTable::fromCatalogue().size();
        const QString name = m_dir.filePath(QStringLiteral("round.travel"));
        for (const TravelPlan &plan : { TravelPlan { 5.0, {} }, TravelPlan { 6.3, { 165, 12, 40 } },
                 TravelPlan { 15.0, { 0, stars - 1 } }, TravelPlan { 1.0, { 3, 4, 5, 6, 7 } } }) {
            TravelPlan read;
            QVERIFY(saveTravelFile(name, plan) && loadTravelFile(name, stars, read) == TravelLoad::Loaded);
            QVERIFY(read == plan);
            QVERIFY(decodeTravel(encodeTravel(plan).replace("\r\n", "\n"), stars) == plan); // LF reads the same
        }
        for (const QByteArray &bytes : { QByteArray(), QByteArray("\x00\xff\xfe\x01\r\n\x80", 6),
                 QByteArray("Quorvane travel plan 2\r\nlimit 5.0\r\nroute\r\n") })
            QVERIFY(!decodeTravel(bytes, stars));
        // Limits outside 1..15, not numbers or not in tenths; stars outside the table; a single star;
        // lines swapped or missing.
        for (const char *rest : { "limit 0.5\r\nroute", "limit 15.5\r\nroute", "limit five\r\nroute",
                 "limit nan\r\nroute", "limit 6.25\r\nroute", "limit 5.0\r\nroute 165 192", "limit 5.0\r\nroute -1 3",
                 "limit 5.0\r\nroute 165", "route 1 2\r\nlimit 5.0", "limit 5.0" })
            QVERIFY2(!decodeTravel(QByteArray("Quorvane travel plan 1\r\n") + rest + "\r\n", stars), rest);
    }

    // A game state keeps its route in the side file beside it; a load takes it back, or drops the
    // route when the side file is gone or malformed. A player map neither writes nor reads it.
    void withGameState()
    {
        MapFixture f;
        const TravelPlan plan { 6.5, { 165, 12, 40 } };
        f.model.travel = plan;
        ScriptedUi ui;
        int redraws = 0;
        StateFileCommands files(f.model, ui, ui, [&redraws] { ++redraws; });
        const QString state = m_dir.filePath(QStringLiteral("game.kmf"));
        const QString travel = m_dir.filePath(QStringLiteral("game.travel"));
        ui.answer = state;
        files.saveGameState();
        // The game state is byte for byte what it is without travel planning.
        QVERIFY(saveStateFile(m_dir.filePath("plain.kmf"), f.view, f.model.notes, false));
        QCOMPARE(contents(state), contents(m_dir.filePath("plain.kmf")));
        const QByteArray saved = "Quorvane travel plan 1\r\nlimit 6.5\r\nroute 165 12 40\r\n";
        QCOMPARE(contents(travel), saved);

        const auto load = [&](const QByteArray &side) {
            QVERIFY(side.isEmpty() ? QFile::remove(travel) : contents(travel, side) == side);
            f.model.travel = { 3.0, { 1, 2 } };
            ui.shown.clear();
            files.loadGameState();
        };
        load(saved);
        QVERIFY(f.model.travel == plan && ui.shown.isEmpty());
        load({});
        QVERIFY(f.model.travel == TravelPlan({ 3.0, {} }) && ui.shown.isEmpty());
        load("garbage\r\n");
        QVERIFY(f.model.travel == TravelPlan({ 3.0, {} }));
        QCOMPARE(ui.shown,
            QStringList { "The travel plan game.travel is not in the expected form and has been ignored: "
                          "the game state is loaded without a route.|Load Travel Plan|?" });
        QCOMPARE(redraws, 3);

        QFile::remove(travel);
        ui.answer = m_dir.filePath(QStringLiteral("game.ply"));
        files.savePlayerMap();
        QVERIFY(!QFile::exists(travel));
        QCOMPARE(contents(travel, "garbage"), "garbage");
        f.model.travel = { 3.0, { 1, 2 } };
        files.loadPlayerMap();
        QVERIFY(f.model.travel == TravelPlan({ 3.0, { 1, 2 } }));
    }

    void plotAndCopy()
    {
        MapFixture f;
        f.view.secondStar = f.view.selectedStar; // the same star twice: nothing to plot
        ScriptedUi ui;
        int redraws = 0;
        TravelCommands travel(f.model, ui, ui, [&redraws] { ++redraws; });
        travel.plotSelectedRoute();
        QVERIFY(f.model.travel.route.empty() && redraws == 0);

        f.view.secondStar = 40;
        f.model.travel.jumpLimit = 15.0;
        travel.plotSelectedRoute();
        QVERIFY(f.model.travel.route.size() >= 2 && redraws == 1);
        const QString shown = ui.shown.last();
        QVERIFY2(shown.startsWith(QStringLiteral("Route from ")) && shown.endsWith("|Plot Route|?"), qPrintable(shown));
        QCOMPARE(shown.count(QStringLiteral(" ly\r\n")), int(f.model.travel.route.size()) - 1); // one line a leg
        travel.copyRoute();
        QCOMPARE(ui.copied + "|Plot Route|?", shown);

        travel.clearRoute();
        ui.copied.clear();
        travel.copyRoute();
        QVERIFY(f.model.travel.route.empty() && redraws == 2 && ui.copied.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTravelFile)
#include "tst_travelfile.moc"
