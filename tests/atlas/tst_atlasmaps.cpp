#include "atlas/atlasdialog.h"
#include "atlas/atlaswriter.h"
#include "atlas/sectorpage.h"
#include "catalogue/stardistance.h"
#include "common/textnumber.h"
#include "mapview/colours.h"
#include "mapview/keypanel.h"
#include "mapview/mapfixture.h"
#include "mapview/redraw.h"
#include "routes/routesearch.h"
#include "support/pdftext.h"
#include "support/recordingsurface.h"

#include <QCheckBox>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using Kind = RecordedOp::Kind;

namespace {

// The words poppler reads from one page of a PDF, with their boxes in points.
QList<std::pair<QString, QRectF>> pageWords(const QByteArray &pdf, int page)
{
    const QString number = QString::number(page);
    const QString html = pdftotext(pdf, { "-bbox", "-f", number, "-l", number });
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    QList<std::pair<QString, QRectF>> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        words.append({ m.captured(5),
            QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())) });
    }
    return words;
}

// A simple cover to measure the greedy one by, the tiling the atlas used before: the cells of a
// 16-light-year grid centred on the wanted stars' extent that hold one of them.
int gridCells(const StarTable &stars, const std::vector<int> &wanted)
{
    int minX = 1000, minY = 1000, maxX = -1000, maxY = -1000;
    for (const int star : wanted) {
        minX = std::min<int>(minX, stars[star].x);
        minY = std::min<int>(minY, stars[star].y);
        maxX = std::max<int>(maxX, stars[star].x);
        maxY = std::max<int>(maxY, stars[star].y);
    }
    const auto start = [](int low, int high) { return low - ((high - low) / 16 * 16 + 16 - (high - low + 1)) / 2; };
    const int x0 = start(minX, maxX), y0 = start(minY, maxY);
    QSet<QPair<int, int>> cells;
    for (const int star : wanted)
        cells.insert({ (stars[star].x - x0) / 16, (stars[star].y - y0) / 16 });
    return int(cells.size());
}

} // namespace

class TestAtlasMaps : public QObject
{
    Q_OBJECT
private slots:
    // Sectors show every wanted star, in no more pages than a plain grid needs; a route's sectors
    // come in the order of its stops.
    void sectorCover()
    {
        for (const int choice :
            { int(SectorChoice::WholeCatalogue), int(SectorChoice::WithNotes), int(SectorChoice::AlongRoute) }) {
            MapFixture f;
            for (int i = 0; i < f.table.size(); i += 5)
                f.model.notes.setNotes(i, "gm", "");
            const std::vector<int> route = plotRoute(f.model.distances, StarTable::kSol, f.star("Tau Ceti"), 8.0).stars;
            QVERIFY(route.size() > 2);
            const AtlasNotes notes = AtlasNotes::forEdition(f.model.notes, AtlasEdition::GameMaster);
            std::vector<int> wanted;
            for (int i = 0; i < f.table.size(); ++i)
                if (choice == int(SectorChoice::WholeCatalogue)
                    || (choice == int(SectorChoice::WithNotes) && i % 5 == 0))
                    wanted.push_back(i);
            if (choice == int(SectorChoice::AlongRoute))
                wanted = route;
            const std::vector<AtlasSector> sectors = chooseSectors(SectorChoice(choice), f.table, notes, route);
            QVERIFY2(int(sectors.size()) <= gridCells(f.table, wanted),
                qPrintable(QStringLiteral("%1 sectors, grid %2").arg(sectors.size()).arg(gridCells(f.table, wanted))));
            size_t lastFirstStop = 0;
            for (const AtlasSector &sector : sectors) {
                const auto first = std::find_if(
                    wanted.begin(), wanted.end(), [&](int star) { return sectorShows(sector, f.table, star); });
                QVERIFY(first != wanted.end()); // no sector without a wanted star
                if (choice == int(SectorChoice::AlongRoute)) {
                    QVERIFY(size_t(first - wanted.begin()) >= lastFirstStop);
                    lastFirstStop = size_t(first - wanted.begin());
                }
            }
            for (const int star : wanted)
                QVERIFY2(std::any_of(sectors.begin(), sectors.end(),
                             [&](const AtlasSector &s) { return sectorShows(s, f.table, star); }),
                    qPrintable(f.table[star].starName));
        }
    }

    // Each sector page names its sector and page, shows the selected star and its cross hairs only where
    // it lies, gives light years from Sol under a head that says so, is light unless the screen's colours
    // were chosen, and shows the route in the player edition only when the GM allows it.
    void honestPages_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<bool>("routeForPlayers");
        QTest::addColumn<bool>("screenColours");
        QTest::addColumn<bool>("routeShown");
        QTest::newRow("GM, light") << int(AtlasEdition::GameMaster) << false << false << true;
        QTest::newRow("GM, screen colours") << int(AtlasEdition::GameMaster) << false << true << true;
        QTest::newRow("player") << int(AtlasEdition::Player) << false << false << false;
        QTest::newRow("player, route shown") << int(AtlasEdition::Player) << true << false << true;
    }
    void honestPages()
    {
        QFETCH(int, edition);
        QFETCH(bool, routeForPlayers);
        QFETCH(bool, screenColours);
        QFETCH(bool, routeShown);
        MapFixture f;
        const int tau = f.star("Tau Ceti");
        f.view.selectedStar = tau;
        f.model.options.colourCode = 2; // by distance from the selected star
        beginRedraw(f.model); // the dark mode, as the screen starts
        f.model.campaign.travel.route = { f.star("Sol"), f.star("Barnard's Star"), tau };
        const AtlasNotes notes = AtlasNotes::forEdition(f.model.notes, AtlasEdition(edition));
        AtlasMapOptions options;
        options.routeForPlayers = routeForPlayers;
        options.screenColours = screenColours;
        const MapModel atlas = atlasModel(f.model, notes, options);
        const AtlasWriter writer(
            f.model, { AtlasEdition(edition), SectorChoice::WholeCatalogue, QDate(2026, 12, 7), {}, options });
        const AtlasPlan &plan = writer.plan();
        int routeOps = 0, selectedPages = 0;
        for (size_t k = 0; k < plan.sectors.size(); ++k) {
            const AtlasSector &sector = plan.sectors[k];
            RecordingSurface s;
            s.printer = true;
            drawSectorPage(atlas, sector, plan.sectorPage(k), s);
            const QStringList printed = s.printed();
            QVERIFY(printed.contains(QStringLiteral("SECTOR MAP, PAGE %1").arg(plan.sectorPage(k))));
            QVERIFY(printed.contains(sectorLine(sector.originX, sector.originY, -40, 40)));
            const bool selectedHere = routeShown && sectorShows(sector, f.table, tau);
            selectedPages += selectedHere;
            QCOMPARE(printed.contains("Selected Star : Tau Ceti"), selectedHere);
            const auto ring = s.where([](const RecordedOp &op) {
                return op.kind == Kind::Circle && op.colour == colours::kRed && op.at[2] == 3;
            });
            QCOMPARE(ring.size(), selectedHere ? 1 : 0);
            // Under "LY", "from Sol"; each row's light years are its star's distance from Sol.
            QVERIFY(printed.contains("from Sol"));
            const auto rowsAt = [&s](double x) {
                return s.where([x](const RecordedOp &op) { return op.kind == Kind::Text && op.at[0] == x; });
            };
            QStringList expected; // the sector's stars in list order, light years from Sol
            for (int i = 0; i < f.table.size(); ++i)
                if (sectorShows(sector, f.table, i))
                    expected << common::formatWhole(starDistance(f.table, i, StarTable::kSol));
            QStringList lightYears;
            for (const RecordedOp &op : rowsAt(265).mid(2))
                lightYears << op.text;
            QCOMPARE(lightYears, expected);
            // A dark page is a black box over the whole sheet; a light one has none. Names on by default.
            const auto sheet = s.where([](const RecordedOp &op) {
                return op.kind == Kind::FilledBox && op.at == QList<double> { 0, 0, 297, 210 };
            });
            QCOMPARE(sheet.size(), screenColours ? 1 : 0);
            QVERIFY(!s.where([](const RecordedOp &op) { return op.kind == Kind::Text && op.fontSize == 7; }).isEmpty());
            routeOps += s.where([](const RecordedOp &op) { return op.colour == colours::kRoute; }).size();
        }
        QCOMPARE(selectedPages > 0, routeShown);
        QCOMPARE(routeOps > 0, routeShown);
    }

    // On the overview every sector's outline carries its page number, and no word covers another.
    void overviewLabels()
    {
        for (const int choice : { int(SectorChoice::WholeCatalogue), int(SectorChoice::WithNotes) }) {
            MapFixture f;
            beginRedraw(f.model);
            for (int i = 0; i < f.table.size(); i += 3)
                f.model.notes.setNotes(i, "gm", "player");
            const AtlasWriter writer(
                f.model, { AtlasEdition::GameMaster, SectorChoice(choice), QDate(2026, 12, 7), {}, {} });
            const AtlasPlan &plan = writer.plan();
            const auto words = pageWords(writer.pdf(), plan.overviewPage());
            QVERIFY(words.size() > 50);
            QSet<QString> pageLabels;
            for (int w = 0; w + 1 < words.size(); ++w)
                if (words[w].first == "p.")
                    pageLabels.insert(words[w + 1].first);
            for (size_t k = 0; k < plan.sectors.size(); ++k)
                QVERIFY2(pageLabels.contains(QString::number(plan.sectorPage(k))), qPrintable(QString::number(k)));
            for (int a = 0; a < words.size(); ++a)
                for (int b = a + 1; b < words.size(); ++b)
                    QVERIFY2(!words[a].second.adjusted(0.2, 0.2, -0.2, -0.2).intersects(words[b].second),
                        qPrintable(words[a].first + " / " + words[b].first));
        }
    }

    // The dialog starts light with names and no route for the players, which it offers only with the
    // player edition; the choice carries what was ticked.
    void dialogChoices()
    {
        AtlasDialog dialog(true, nullptr);
        auto *routeForPlayers = dialog.findChild<QCheckBox *>("atlasplayerroute");
        QVERIFY(routeForPlayers && !routeForPlayers->isEnabled());
        AtlasChoice chosen = dialog.choice();
        QVERIFY(!chosen.maps.screenColours && chosen.maps.starNames && !chosen.maps.routeForPlayers);
        dialog.findChild<QRadioButton *>("atlasplayer")->setChecked(true);
        QVERIFY(routeForPlayers->isEnabled());
        routeForPlayers->setChecked(true);
        dialog.findChild<QRadioButton *>("atlasscreen")->setChecked(true);
        dialog.findChild<QCheckBox *>("atlasnames")->setChecked(false);
        chosen = dialog.choice();
        QVERIFY(chosen.edition == AtlasEdition::Player && chosen.maps.screenColours && !chosen.maps.starNames
            && chosen.maps.routeForPlayers);
    }
};

QTEST_MAIN(TestAtlasMaps)
#include "tst_atlasmaps.moc"
