#include "files/statecodec.h"
#include "mapview/mapmodel.h"
#include "reveal/playercopy.h"
#include "reveal/revealcommands.h"
#include "reveal/revealselection.h"
#include "support/starsat.h"

#include <QtTest>

#include <random>

namespace {

// Four stars: 0 - 1 - 2 on a line three light years apart, 3 beside 1.
StarTable smallTable()
{
    return starsAt("0,0,0;3,0,0;6,0,0;3,1,0");
}

} // namespace

using Stars = std::vector<int>;
Q_DECLARE_METATYPE(Stars)

// Which stars a reveal command takes, the player-safe copy made from a campaign, and the commands.
class TestReveal : public QObject
{
    Q_OBJECT
private slots:
    // The stars "All Within" takes: the distance itself counts; none for no star or one past the table.
    void starsWithin()
    {
        const StarTable table = smallTable();
        const PairDistances distances(table);
        const std::tuple<int, double, Stars> rows[] = { { 0, 0.0, { 0 } }, { 0, 3.0, { 0, 1 } },
            { 0, 3.2, { 0, 1, 3 } }, { 1, 3.0, { 0, 1, 2, 3 } }, { -1, 10.0, {} }, { 4, 10.0, {} } };
        for (const auto &[from, lightYears, expected] : rows)
            QVERIFY2(distances.within(from, lightYears) == expected,
                qPrintable(QString::asprintf("from %d within %g ly", from, lightYears)));
    }

    // Hidden stars leave the copy's table, the others keep their order, notes as the players may read
    // them and only the polities known to the players; a frame's stars go back to catalogue numbers.
    void copyHoldsOnlyWhatPlayersKnow()
    {
        const StarTable table = smallTable();
        MapModel model(table);
        model.notes.setNotes(0, "gm zero", "player zero", { "piece" });
        model.notes.setNotes(1, "gm one", "player one");
        model.notes.setNotes(2, "gm two", "player two");
        model.notes.setTextWithoutParts(3, "old gm text");
        model.campaign.reveal.setState(1, Reveal::Hidden);
        model.campaign.reveal.setState(2, Reveal::Known);
        model.campaign.polities.list = { { "Secret", 1, 5, "gm", false }, { "Open", 2, 5, "gm note", true } };
        model.campaign.polities.memberOf = { 0, 1, 1, 0 };
        model.view.selectedStar = 1;
        model.view.secondStar = 3;
        model.view.secondStarChosen = true;

        const PlayerCopy players(model);
        QCOMPARE(players.stars().size(), 3);
        QCOMPARE(players.stars()[1].starName, QString("S2"));
        QCOMPARE(players.toPlayer(1), -1);
        QCOMPARE(players.toPlayer(3), 2);
        QCOMPARE(players.toCatalogue(2), 3);
        QCOMPARE(players.toCatalogue(3), -1);
        QCOMPARE(players.catalogueStars(), (std::vector<int> { 0, 2, 3 }));
        MapFrame frame;
        frame.markers = { { 0, {}, "S0" }, { 2, {}, "S3" } };
        const MapFrame back = players.catalogueFrame(frame);
        QCOMPARE(back.markers[0].star, 0);
        QCOMPARE(back.markers[1].star, 3);

        const NotesStore &notes = players.model().notes;
        QCOMPARE(notes.gameMasterText(0), QString());
        QCOMPARE(notes.playerText(0), QString("player zero"));
        QVERIFY(notes.hiddenPieces(0).isEmpty());
        QVERIFY(!notes.hasNotes(1)); // Known: no notes at all
        QVERIFY(notes.hasNotes(2)); // an older file's text counts as notes, its text stays behind
        QCOMPARE(notes.gameMasterText(2), QString());
        QVERIFY(!players.catalogueNotes().hasNotes(1));
        QCOMPARE(players.catalogueNotes().playerText(0), QString("player zero"));

        QCOMPARE(players.catalogueView().selectedStar, -1);
        QCOMPARE(players.catalogueView().secondStar, 3);
        QCOMPARE(players.model().view.selectedStar, -1);
        QCOMPARE(players.model().view.secondStar, 2);

        const Polities &shown = players.model().campaign.polities;
        QCOMPARE(shown.list.size(), size_t(1));
        QCOMPARE(shown.list[0].name, QString("Open"));
        QCOMPARE(shown.list[0].note, QString());
        QCOMPARE(shown.memberOf, (Stars { Polities::kNone, 0, Polities::kNone }));
        // The copy finds Sol in the subset of the catalogue it keeps.
        const StarTable catalogue = StarTable::fromCatalogue();
        QCOMPARE(catalogue.subset({ 0, StarTable::kSol }).sol(), 1);
        QCOMPARE(catalogue.subset({ 0, 1 }).sol(), -1);
    }

    // The route the players see runs through stars they know: plotted again around a Hidden star,
    // gone when one of its ends is Hidden.
    void routeThroughKnownStars()
    {
        const StarTable table = smallTable();
        for (const auto &[hidden, shown] : { std::pair { -1, Stars { 0, 1, 2 } }, { 1, Stars { 0, 3, 2 } },
                 { 0, Stars {} }, { 2, Stars {} } }) { // shown in catalogue numbers
            MapModel model(table);
            model.campaign.travel.jumpLimit = 3.5;
            model.campaign.travel.route = { 0, 1, 2 };
            if (hidden >= 0)
                model.campaign.reveal.setState(hidden, Reveal::Hidden);
            const PlayerCopy players(model);
            Stars route;
            for (const int star : players.model().campaign.travel.route)
                route.push_back(players.toCatalogue(star));
            QVERIFY2(route == shown, qPrintable(QStringLiteral("star %1 hidden").arg(hidden)));
        }
    }

    // With every star Surveyed the player map's bytes are those written without the copy.
    void playerMapUnchangedWhileAllSurveyed()
    {
        const StarTable table = StarTable::fromCatalogue();
        MapModel model(table);
        std::mt19937 random(7);
        for (int i = 0; i < table.size(); ++i) {
            switch (random() % 4) {
            case 0:
                model.notes.setNotes(i, QString("gm %1").arg(i), QString("player \"%1\"").arg(i), { "more" });
                break;
            case 1:
                model.notes.setTextWithoutParts(i, QString("old %1").arg(i));
                break;
            case 2:
                model.notes.setNotes(i, QString(), QString("pl %1").arg(i));
                break;
            }
        }
        model.notes.setNotes(5, QString(), QString("pl 5"));
        model.view.selectedStar = 40;
        model.view.secondStar = 12;
        const PlayerCopy players(model);
        QCOMPARE(encodeState(players.catalogueView(), players.catalogueNotes(), true),
            encodeState(model.view, model.notes, true));
        QVERIFY(encodeState(players.catalogueView(), players.catalogueNotes(), true).contains("pl 5"));
    }

    // Each command is one named step: one star (none for no star or one past the table), the stars within a
    // distance, every star with notes (an older file's text counts), the route's stars (others ignored).
    void commandsNameOneStepEach()
    {
        const StarTable table = smallTable();
        MapModel model(table);
        model.notes.setNotes(2, "gm", "");
        model.notes.setTextWithoutParts(3, "old");
        model.campaign.travel.route = { 3, 1, 3, -1, 9 };
        QCOMPARE(reveal::starsOnRoute(model.campaign.travel), (Stars { -1, 1, 3, 9 }));
        QStringList steps;
        RevealCommands commands(model, [&steps](const QString &name, const std::function<void()> &change) {
            steps << name;
            change();
        });
        const auto states = [&model] { // the first letter of each star's state
            QString letters;
            for (int i = 0; i < 4; ++i)
                letters += reveal::caption(model.campaign.reveal.state(i)).front();
            return letters;
        };
        commands.setStar(-1, Reveal::Hidden);
        commands.setStar(4, Reveal::Hidden);
        commands.setStar(2, Reveal::Known);
        QCOMPARE(states(), "SSKS");
        commands.setWithin(0, 3.5, Reveal::Hidden);
        QCOMPARE(states(), "HHKH");
        commands.setWithNotes(Reveal::Surveyed);
        QCOMPARE(states(), "HHSS");
        commands.setAlongRoute(Reveal::Known);
        QCOMPARE(states(), "HKSK");
        QCOMPARE(steps,
            QStringList({ "Set Reveal State", "Set Reveal State Within 3.5 ly", "Set Reveal State of Stars with Notes",
                "Set Reveal State Along the Route" }));
    }
};

QTEST_GUILESS_MAIN(TestReveal)
#include "tst_reveal.moc"
