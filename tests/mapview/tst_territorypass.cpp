#include "mapfixture.h"
#include "mapview/colours.h"
#include "mapview/redraw.h"
#include "mapview/territorypass.h"
#include "support/recordingsurface.h"

#include <QTest>

namespace {

constexpr quint32 kConcordat = 0xCC3311;
constexpr quint32 kFreeWorlds = 0x00AA00;

} // namespace

// The territory on the map: tint pictures, borders, legend, the polity colour code, and nothing
// at all while territories are not shown.
class TestTerritoryPass : public QObject
{
    Q_OBJECT
private:
    MapFixture m_map;

    // Concordat holds Sol, the Free Worlds Barnard's Star 6 ly away: neutral ground between them.
    void addPolities(MapModel &model)
    {
        Polities &polities = model.campaign.polities;
        polities.list = { Polity { QStringLiteral("Concordat"), kConcordat, 5.0, {}, true },
            Polity { QStringLiteral("Free Worlds"), kFreeWorlds, 5.0, {}, false } };
        polities.memberOf[StarTable::kSol] = 0;
        polities.memberOf[size_t(m_map.star(QStringLiteral("Barnard's Star")))] = 1;
    }

    RecordingSurface draw(MapModel &model)
    {
        RecordingSurface surface;
        model.logoBoxVisible = false;
        redrawMap(model, surface);
        return surface;
    }

private slots:
    void hiddenTerritoryDrawsNothing()
    {
        MapModel plain = m_map.model;
        MapModel held = m_map.model;
        held.territory = TerritoryCache(); // copies share one cache: this one is its own
        addPolities(held);
        const RecordingSurface before = draw(plain);
        const RecordingSurface after = draw(held);
        QCOMPARE(positions(after.ops), positions(before.ops));
        QVERIFY(after.of(RecordedOp::Kind::Picture).size() == before.of(RecordedOp::Kind::Picture).size());
        QCOMPARE(held.territory.computations(), 0);
    }

    void shownTerritoryIsTintedBorderedAndNamed()
    {
        for (const bool printerMode : { false, true }) {
            MapModel model = m_map.model;
            addPolities(model);
            model.options.territoriesBox = 1;
            model.options.printerMode = printerMode;
            const RecordingSurface surface = draw(model);
            // The sector's tint over the grid box and the mini-map's over its square.
            const QStringList pictures = positions(surface.of(RecordedOp::Kind::Picture)).split(u' ');
            QVERIFY(pictures.contains(QStringLiteral("15,38")));
            QVERIFY(pictures.contains(QStringLiteral("5,2")));
            const Colour concordat = polityColour(kConcordat, printerMode);
            const Colour freeWorlds = polityColour(kFreeWorlds, printerMode);
            const auto lines = [&](Colour colour) {
                return surface.where([colour](const RecordedOp &op) {
                    return op.kind == RecordedOp::Kind::Line && op.colour == colour && op.drawWidth == 2;
                });
            };
            QVERIFY(lines(freeWorlds).size() > 10);
            // Sol's claim ends 5 ly west of it: X -5, 20 map units into the sector from -7.
            const QList<RecordedOp> concordatLines = lines(concordat);
            QVERIFY(std::any_of(concordatLines.begin(), concordatLines.end(), [](const RecordedOp &op) {
                return op.at[0] == 35.0 && op.at[2] == 35.0 && op.at[1] > 100 && op.at[3] < 120;
            }));
            // No border runs west of it, nor outside the grid box.
            for (const RecordedOp &op : concordatLines) {
                QVERIFY(op.at[0] >= 35.0 && op.at[2] >= 35.0);
                QVERIFY(op.at[1] >= 38.0 && op.at[3] <= 188.0);
            }
            const QList<RecordedOp> legend = surface.where([](const RecordedOp &op) {
                return op.kind == RecordedOp::Kind::Text && op.at[1] > 195 && op.fontSize == 7.0;
            });
            QStringList names;
            for (const RecordedOp &op : legend)
                names << op.text;
            QCOMPARE(names, (QStringList { "Concordat", "Free Worlds", "Neutral ground" }));
            QCOMPARE(legend[0].colour, printerMode ? colours::kBlack : colours::kGrey);
        }
    }

    void polityColourCodeColoursDotsAndKey()
    {
        MapModel model = m_map.model;
        addPolities(model);
        model.options.colourCode = DisplayOptions::kPolityColourCode;
        const RecordingSurface surface = draw(model);
        QCOMPARE(starColour(model, StarTable::kSol), polityColour(kConcordat, false));
        QCOMPARE(starColour(model, m_map.star(QStringLiteral("Wolf 359"))), colours::kDimGrey);
        QVERIFY(surface.printed().contains(QStringLiteral("POLITY KEY")));
        QVERIFY(surface.printed().contains(QStringLiteral("Concord\u2026"))); // cut short to fit the key
        QVERIFY(surface.printed().contains(QStringLiteral("None")));
        // Light colours are darkened on white so that they read there; dark ones are kept.
        QVERIFY(polityColour(0xFFFF00, true) != polityColour(0xFFFF00, false));
        QCOMPARE(polityColour(0x0000AA, true), Colour(0xAA0000));
    }

    void territoryIsWorkedOutOncePerChange()
    {
        MapModel model = m_map.model;
        model.territory = TerritoryCache();
        addPolities(model);
        model.options.territoriesBox = 1;
        draw(model);
        MapModel copy = model; // as the window keeps what it drew: it shares the cache
        draw(copy);
        draw(model);
        QCOMPARE(model.territory.computations(), 1);
        QCOMPARE(copy.territory.computations(), 1);
        model.campaign.polities.list[0].claimRadius = 3.0;
        draw(model);
        QCOMPARE(model.territory.computations(), 2);
        model.view.territoryPlaneThroughSelected = true;
        model.view.selectedStar = m_map.star(QStringLiteral("Alpha Centauri A")); // Z -4
        QCOMPARE(territoryPlaneZ(model), -4.0);
        draw(model);
        QCOMPARE(model.territory.computations(), 3);
    }
};

QTEST_MAIN(TestTerritoryPass)
#include "tst_territorypass.moc"
