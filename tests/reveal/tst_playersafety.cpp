#include "atlas/atlaswriter.h"
#include "atlas/sectorchoice.h"
#include "dialogs/messagebox.h"
#include "export/handout.h"
#include "files/statecodec.h"
#include "mapview/mapmodel.h"
#include "output/clipboard.h"
#include "output/notescommands.h"
#include "reveal/playercopy.h"
#include "playerview/playerview.h"
#include "spaceview/spacecamera.h"
#include "spaceview/spacescene.h"
#include "support/recordingsurface.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <random>
#include <set>

namespace {

// Every game-master text holds this marker, and so does every player text of a star the players
// have not surveyed; no player output may ever show it.
const QString kMarker = QStringLiteral("Q7SECRETQ7");

// The clipboard and message box of the notes commands, keeping the text sent.
struct Sink : Clipboard, MessageBox
{
    QString text;
    void setText(const QString &sent) override { text = sent; }
    Answer show(const QString &, const QString &, Buttons, Icon) override { return Answer::Ok; }
};

// How many random campaigns: QUORVANE_PLAYER_SAFETY_RUNS, or 10 000 in the test suite.
int campaignCount()
{
    bool ok = false;
    const int runs = qEnvironmentVariableIntValue("QUORVANE_PLAYER_SAFETY_RUNS", &ok);
    return ok && runs > 0 ? runs : 10000;
}

// One random campaign over the catalogue: random reveal states, notes with the marker wherever the
// players may not read them, a random selection, second star and route.
void randomCampaign(MapModel &model, std::mt19937_64 &random)
{
    const int count = model.stars->size();
    model.notes = NotesStore(count);
    model.campaign = Campaign(count);
    const auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int i = 0; i < count; ++i) {
        const Reveal state = static_cast<Reveal>(pick(3));
        model.campaign.reveal.setState(i, state);
        const QString player
            = state == Reveal::Surveyed ? QStringLiteral("open %1").arg(i) : kMarker + QString::number(i);
        switch (pick(5)) {
        case 0:
            model.notes.setNotes(i, kMarker + QString::number(i), player, { kMarker });
            break;
        case 1:
            model.notes.setTextWithoutParts(i, QStringLiteral("old ") + kMarker);
            break;
        case 2:
            model.notes.setNotes(i, kMarker, QString());
            break;
        case 3:
            model.notes.setNotes(i, QString(), player);
            break;
        }
    }
    model.view.selectedStar = pick(count + 1) - 1;
    model.view.secondStar = pick(count + 1) - 1;
    model.view.secondStarChosen = pick(2) == 1;
    model.view.originX = pick(60) - 35;
    model.view.originY = pick(60) - 35;
    model.view.showStarNumbers = pick(2) == 1;
    model.campaign.travel.jumpLimit = 3.0 + pick(8);
    for (int jumps = pick(6); jumps > 0; --jumps)
        model.campaign.travel.route.push_back(pick(count));
    Polity polity;
    polity.name = QStringLiteral("Power");
    polity.note = kMarker;
    polity.knownToPlayers = pick(2) == 1;
    model.campaign.polities.list.push_back(polity);
    for (int i = 0; i < count; ++i)
        model.campaign.polities.memberOf[static_cast<size_t>(i)] = pick(2) ? 0 : Polities::kNone;
}

} // namespace

// Random campaigns through every player output: the player map file, the player-notes clipboard,
// the handout, the atlas's player edition, the map and 3-D view of the player view and window. None
// may show a game-master text, an unsurveyed star's player notes or a Hidden star. (The atlas's PDF
// of a player edition is read back for game-master text in tst_atlas.)
class TestPlayerSafety : public QObject
{
    Q_OBJECT
private slots:
    void noPlayerOutputShowsWhatPlayersDoNotKnow()
    {
        const StarTable table = StarTable::fromCatalogue();
        MapModel model(table);
        model.logoBoxVisible = false;
        std::mt19937_64 random(20261207);
        Sink sink;
        NotesCommands notes(model, sink, sink, [] { return QDateTime(QDate(2026, 12, 7), QTime(20, 0)); });
        const int runs = campaignCount();
        int hiddenSeen = 0;
        for (int run = 0; run < runs; ++run) {
            randomCampaign(model, random);
            const PlayerCopy players(model);
            const MapModel &shown = players.model();
            const auto fail = [&](const char *output) {
                return QStringLiteral("campaign %1: %2").arg(run).arg(QLatin1String(output)).toUtf8();
            };

            QVERIFY2(!encodeState(players.catalogueView(), players.catalogueNotes(), true).contains(kMarker.toUtf8()),
                fail("player map").constData());
            if (model.view.selectedStar >= 0 && model.campaign.reveal.state(model.view.selectedStar) == Reveal::Hidden)
                QCOMPARE(players.catalogueView().selectedStar, -1);
            notes.copyPlayerNotes();
            QVERIFY2(!sink.text.contains(kMarker), fail("clipboard").constData());
            const int handoutStar = shown.view.selectedStar;
            QVERIFY2(!handout::handoutText(*shown.stars, shown.notes, handoutStar).contains(kMarker),
                fail("handout").constData());

            const AtlasWriter atlas(
                shown, { AtlasEdition::Player, SectorChoice::WithNotes, QDate(2026, 12, 7), {}, {} });
            for (const AtlasIndexEntry &entry : atlas.plan().index)
                QVERIFY2(!(entry.gameMasterNotes + entry.playerNotes).contains(kMarker), fail("atlas").constData());
            for (const QString &title : atlas.plan().sectorTitles)
                QVERIFY2(!title.contains(kMarker), fail("atlas sector").constData());

            // The player view and window: every text the map pass prints and every 3-D star.
            RecordingSurface surface;
            playerview::drawMap(players, surface);
            std::set<QString> printed;
            for (const RecordedOp &op : surface.of(RecordedOp::Kind::Text)) {
                QVERIFY2(!op.text.contains(kMarker), fail("player map view").constData());
                printed.insert(op.text);
            }
            const SpaceScene scene = playerview::scene(players);
            QCOMPARE(scene.stars.size(), size_t(players.stars().size()));
            std::set<QString> known;
            for (int i = 0; i < shown.stars->size(); ++i)
                known.insert((*shown.stars)[i].starName);
            for (int i = 0; i < table.size(); ++i) {
                if (model.campaign.reveal.state(i) != Reveal::Hidden || known.count(table[i].starName))
                    continue;
                ++hiddenSeen;
                QVERIFY2(!printed.count(table[i].starName), fail("hidden star drawn").constData());
                const StarRecord &star = table[i];
                const QString line
                    = QStringLiteral("%1 %2,%3,%4").arg(star.starName).arg(star.x).arg(star.y).arg(star.z);
                QVERIFY2(!sink.text.contains(line), fail("hidden star in clipboard").constData());
            }
            for (const SceneStar &star : scene.stars)
                QVERIFY2(known.count(star.name), fail("3-D view").constData());
            // The player window's own painting fills it, map and 3-D view (in one campaign: it takes a while).
            for (const auto kind : { playerview::Kind::Map, playerview::Kind::Space }) {
                if (run > 0)
                    break;
                QImage image(800, 560, QImage::Format_RGB32);
                image.fill(Qt::red);
                QPainter painter(&image);
                playerview::paint(painter, QRectF(image.rect()), players, kind, SpaceCamera(), SpaceOptions());
                painter.end();
                QVERIFY(image.pixelColor(0, 0) != Qt::red && image.pixelColor(799, 559) != Qt::red);
            }
        }
        QVERIFY(hiddenSeen > runs); // the campaigns did hide stars
    }
};

QTEST_MAIN(TestPlayerSafety)
#include "tst_playersafety.moc"
