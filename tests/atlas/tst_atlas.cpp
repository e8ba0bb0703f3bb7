#include "atlas/atlasdialog.h"
#include "atlas/atlaswriter.h"
#include "atlas/pdfnavigation.h"
#include "atlas/sectorpage.h"
#include "catalogue/stardistance.h"
#include "common/textnumber.h"
#include "mapview/colours.h"
#include "mapview/keypanel.h"
#include "mapview/mapfixture.h"
#include "mapview/redraw.h"
#include "output/printmapcommand.h"
#include "routes/routesearch.h"
#include "support/pdftext.h"
#include "support/recordingsurface.h"

#include <QCheckBox>
#include <QPainter>
#include <QProcess>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

#include <map>

using Kind = RecordedOp::Kind;

namespace {

// Every operation with its attributes, one line each.
QStringList describe(const QList<RecordedOp> &ops)
{
    QStringList lines;
    for (const RecordedOp &op : ops)
        lines << QStringLiteral("%1 %2 %3 %4 %5/%6 %7 %8")
                     .arg(int(op.kind))
                     .arg(positions({ op }), hex(op.colour), hex(op.fill))
                     .arg(op.drawWidth)
                     .arg(op.drawStyle)
                     .arg(style(op), op.text);
    return lines;
}

// Links and outline as libqpdf reads them back, by 0-based page number (-1: not a page).
struct ReadNavigation
{
    int pages = 0;
    std::vector<std::vector<int>> linkTargets; // per page, in the order of its annotations
    std::vector<std::pair<QString, int>> outline;
    bool openWithOutline = false;
};

ReadNavigation readNavigation(const QByteArray &pdf)
{
    QPDF document;
    document.processMemoryFile("atlas", pdf.constData(), size_t(pdf.size()));
    std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(document).getAllPages();
    std::map<QPDFObjGen, int> pageNumber;
    for (size_t i = 0; i < pages.size(); ++i)
        pageNumber[pages[i].getObjectHandle().getObjGen()] = int(i);
    const auto pageOf = [&](QPDFObjectHandle destination) {
        const auto found = destination.isArray() && destination.getArrayNItems() == 2
                && destination.getArrayItem(1).isNameAndEquals("/Fit")
            ? pageNumber.find(destination.getArrayItem(0).getObjGen())
            : pageNumber.end();
        return found == pageNumber.end() ? -1 : found->second;
    };
    ReadNavigation read;
    read.pages = int(pages.size());
    for (QPDFPageObjectHelper &page : pages) {
        read.linkTargets.emplace_back();
        for (QPDFAnnotationObjectHelper &link : page.getAnnotations("/Link"))
            read.linkTargets.back().push_back(pageOf(link.getObjectHandle().getKey("/Dest")));
    }
    QPDFOutlineDocumentHelper outline(document);
    for (QPDFOutlineObjectHelper &entry : outline.getTopLevelOutlines()) {
        read.outline.emplace_back(QString::fromStdString(entry.getTitle()), pageOf(entry.getDest()));
    }
    read.openWithOutline = document.getRoot().getKey("/PageMode").isNameAndEquals("/UseOutlines");
    return read;
}

struct AtlasFixture : MapFixture
{
    AtlasFixture()
    {
        model.logoNegative = QImage(":/vqalogoneg.png");
        model.options.printerMode = true;
        beginRedraw(model); // the first redraw only hides the logo box
        beginRedraw(model);
    }
    AtlasWriter writer(AtlasEdition edition, SectorChoice choice) const
    {
        return AtlasWriter(model, { edition, choice, QDate(2026, 12, 7), {}, {} });
    }
};

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

class TestAtlas : public QObject
{
    Q_OBJECT
private slots:
    // The page tree holds title, contents, overview, the sectors of the choice and the index; each
    // contents line links to the page it names.
    void pages_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("edition");
        QTest::addColumn<int>("sectors");
        // Notes on Sol, Alpha Centauri A and Tau Ceti, which one sector shows; a player note on Tau Ceti only.
        QTest::newRow("with notes, GM") << int(SectorChoice::WithNotes) << int(AtlasEdition::GameMaster) << 1;
        QTest::newRow("with notes, player") << int(SectorChoice::WithNotes) << int(AtlasEdition::Player) << 1;
        // Sol to Tau Ceti: the route's stars fit one sector.
        QTest::newRow("route") << int(SectorChoice::AlongRoute) << int(AtlasEdition::GameMaster) << 1;
        QTest::newRow("whole catalogue") << int(SectorChoice::WholeCatalogue) << int(AtlasEdition::Player) << -1;
    }
    void pages()
    {
        QFETCH(int, choice);
        QFETCH(int, edition);
        QFETCH(int, sectors);
        AtlasFixture f;
        const int sol = f.star("Sol"), alpha = f.star("Alpha Centauri A"), tau = f.star("Tau Ceti");
        f.model.notes.setNotes(sol, "home", "");
        f.model.notes.setNotes(alpha, "GM only", "");
        f.model.notes.setNotes(tau, "GM", "player");
        f.model.campaign.travel.route = { sol, f.star("Barnard's Star"), tau };
        const AtlasWriter writer = f.writer(AtlasEdition(edition), SectorChoice(choice));
        const AtlasPlan &plan = writer.plan();
        // Every stop of the route on a sector page: a cover that left out the last stop would centre the
        // one sector off Tau Ceti here. The whole catalogue's cover is sectorCover's.
        if (sectors > 0)
            QCOMPARE(int(plan.sectors.size()), sectors);
        for (const int star :
            choice == int(SectorChoice::AlongRoute) ? f.model.campaign.travel.route : std::vector<int> {})
            QVERIFY2(std::any_of(plan.sectors.begin(), plan.sectors.end(),
                         [&](const AtlasSector &s) { return sectorShows(s, f.table, star); }),
                qPrintable(f.table[star].starName));
        const QByteArray pdf = writer.pdf();
        const ReadNavigation read = readNavigation(pdf);
        // Title, contents, overview, one page a sector and one index page for these short notes.
        const int sectorCount = int(plan.sectors.size());
        QCOMPARE(read.pages, 3 + sectorCount + 1);
        QCOMPARE(plan.firstIndexPage(), read.pages);
        // Contents page links: the overview, every sector, the index, in order; no other page has links.
        std::vector<std::vector<int>> links(size_t(read.pages));
        for (int page = 2; page < read.pages; ++page)
            links[1].push_back(page);
        QCOMPARE(read.linkTargets, links);
        // The outline: title, overview, every sector, the index, each opening its page.
        std::vector<std::pair<QString, int>> outline { { "Campaign Atlas", 0 }, { "Overview of the catalogue", 2 } };
        for (int k = 0; k < sectorCount; ++k)
            outline.emplace_back("Sector " + plan.sectorTitles[size_t(k)], 3 + k);
        outline.emplace_back("Index of systems with notes", 3 + sectorCount);
        QCOMPARE(read.outline, outline);
        QVERIFY(read.openWithOutline);
        // qpdf finds nothing to complain about, and poppler reads the same number of pages.
        const auto [check, status] = runOnPdf("qpdf", { "--check", "FILE" }, pdf, QProcess::MergedChannels);
        QVERIFY2(status == 0 && check.contains("No syntax or stream encoding errors") && !check.contains("WARNING"),
            qPrintable(check));
        QCOMPARE(pdfText(pdf).count(u'\f'), read.pages);
    }

    // The overview's second picture, when there is one, is drawn once beside the catalogue map, told
    // that the page under it is light (even when the map is in the dark screen mode).
    void overviewSecondPicture()
    {
        AtlasFixture f;
        f.model.view.printerMode = false;
        QList<QRectF> areas;
        QList<bool> lights;
        const OverviewPicture picture = [&areas, &lights](QPainter &painter, const QRectF &area, bool light) {
            areas << area;
            lights << light;
            painter.drawText(area, Qt::AlignCenter, "Second picture");
        };
        const AtlasWriter writer(
            f.model, { AtlasEdition::Player, SectorChoice::WithNotes, QDate(2026, 12, 7), picture, {} });
        const QString text = pdfText(writer.pdf());
        QCOMPARE(areas.size(), 1);
        QCOMPARE(lights, QList<bool> { true });
        QCOMPARE(text.count("Second picture"), 1);
        QVERIFY(text.section(u'\f', writer.plan().overviewPage() - 1, writer.plan().overviewPage() - 1)
                    .contains("Second picture"));
    }

    // A damaged or foreign file, or a page number it does not have, gives no document but a reason;
    // nothing reads outside the bytes.
    void navigationOnBadInput_data()
    {
        QTest::addColumn<QByteArray>("pdf");
        QTest::addColumn<int>("page");
        const QByteArray good = AtlasFixture().writer(AtlasEdition::Player, SectorChoice::WithNotes).pdf();
        QVERIFY(!withNavigation(good, { { { 1, QRectF(10, 10, 100, 20), 0 } }, {} }).isEmpty());
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("not a PDF") << QByteArray("Sol\xff\xffhome\r\n") << 0;
        QTest::newRow("cut in half") << good.left(good.size() / 2) << 0;
        QTest::newRow("no xref at startxref") << QByteArray(good).replace("startxref", "startxref 12 %") << 0;
        QTest::newRow("/Prev loop") << QByteArray("%PDF-1.4\nxref\n0 1\n0000000000 65535 f \ntrailer\n"
                                                  "<< /Size 1 /Prev 9 >>\nstartxref\n9\n%%EOF")
                                    << 0;
        QTest::newRow("link to a page past the end") << good << 99;
        QTest::newRow("link to page 0") << good << -1;
        // Objects 1 and 2 and a cross-reference table that finds them.
        const auto file = [](const QByteArray &one, const QByteArray &two) {
            const QByteArray first = "%PDF-1.4\n1 0 obj\n" + one + "\nendobj\n";
            const QByteArray body = first + "2 0 obj\n" + two + "\nendobj\n";
            return body + "xref\n0 3\n0000000000 65535 f \n0000000009 00000 n \n"
                + QByteArray::number(first.size()).rightJustified(10, '0') + " 00000 n \ntrailer\n"
                + "<< /Size 3 /Root 1 0 R >>\nstartxref\n" + QByteArray::number(body.size()) + "\n%%EOF";
        };
        QTest::newRow("page tree loop") << file(
            "<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [2 0 R] /Count 1 >>")
                                        << 0;
        QTest::newRow("unterminated string")
            << file("<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Title (never closed >>") << 0;
    }
    void navigationOnBadInput()
    {
        QFETCH(QByteArray, pdf);
        QFETCH(int, page);
        QString error;
        QCOMPARE(
            withNavigation(pdf, { { { 0, QRectF(0, 0, 10, 10), page } }, { { "Title", 0 } } }, &error), QByteArray());
        QVERIFY(!error.isEmpty());
    }

    // A sector page is what Print Map draws from the page's model: its options agree with its view.
    void sectorPagesAsPrinted()
    {
        for (const bool printerMode : { true, false }) {
            AtlasFixture f;
            f.model.options.printerMode = printerMode;
            f.model.options.heightBox = 1;
            beginRedraw(f.model);
            f.model.campaign.travel.route = { f.star("Sol"), f.star("Barnard's Star"), f.star("Tau Ceti") };
            const AtlasWriter writer = f.writer(AtlasEdition::GameMaster, SectorChoice::WholeCatalogue);
            const std::vector<AtlasSector> &sectors = writer.plan().sectors;
            QVERIFY(sectors.size() > 4);
            AtlasMapOptions screen;
            screen.screenColours = true;
            const MapModel model
                = atlasModel(f.model, AtlasNotes::forEdition(f.model.notes, AtlasEdition::GameMaster), screen);
            for (size_t k = 0; k < sectors.size(); ++k) {
                RecordingSurface atlas, printed;
                atlas.printer = printed.printer = true;
                const int page = writer.plan().sectorPage(k);
                drawSectorPage(model, sectors[k], page, atlas);
                MapModel print = sectorModel(model, sectors[k], page);
                PrintMapCommand::redrawOnSurface(print, printed);
                QVERIFY(!printed.ops.isEmpty());
                QCOMPARE(describe(atlas.ops), describe(printed.ops));
            }
        }
    }

    // Random notes whose GM texts each hold a marker: the player edition holds none of them, the
    // GM edition every one.
    void playerEditionHasNoGameMasterText()
    {
        AtlasFixture f;
        QRandomGenerator random(23);
        const QStringList words { "dock", "Ångström", "café", "ore", "rumours", "ÿ", "\"quoted\"", "trade" };
        QStringList markers;
        for (int n = 0; n < 24; ++n) {
            const int star = random.bounded(f.table.size());
            QString gm, player;
            for (int w = random.bounded(1, 30); w > 0; --w) {
                gm += words[random.bounded(words.size())] + (random.bounded(6) ? " " : "\r\n");
                player += words[random.bounded(words.size())] + (random.bounded(6) ? " " : "\r\n");
            }
            const QString marker = QStringLiteral("Gmzq%1x").arg(star);
            gm.insert(random.bounded(gm.size() + 1), ' ' + marker + ' ');
            markers << marker;
            f.model.notes.setNotes(star, gm, random.bounded(4) ? player : QString());
        }
        markers.removeDuplicates();
        for (const SectorChoice choice : { SectorChoice::WithNotes, SectorChoice::WholeCatalogue }) {
            const QString player = pdfText(f.writer(AtlasEdition::Player, choice).pdf());
            const QString gm = pdfText(f.writer(AtlasEdition::GameMaster, choice).pdf());
            QVERIFY(player.contains("Player Edition") && player.contains("rumours"));
            for (const QString &marker : markers) {
                QVERIFY2(!player.contains(marker), qPrintable(marker));
                QVERIFY2(gm.contains(marker), qPrintable(marker));
            }
        }
    }

    // The legend page follows the overview and names the edition's polities: every one for the
    // game master, only those known to the players (without notes) for them, none when none is known.
    void polityLegendPerEdition()
    {
        AtlasFixture f;
        f.model.notes.setNotes(f.star("Sol"), "home", "home");
        Polities &polities = f.model.campaign.polities;
        polities.list = { Polity { "Concordat", 0xCC3311, 5.0, "Secret plans Qzx", true, false },
            Polity { "Shadow Pact", 0x222222, 4.0, {}, false, false } };
        polities.memberOf[size_t(f.star("Sol"))] = 0;
        polities.memberOf[size_t(f.star("Tau Ceti"))] = 1;
        const AtlasWriter gm = f.writer(AtlasEdition::GameMaster, SectorChoice::WithNotes);
        const AtlasWriter player = f.writer(AtlasEdition::Player, SectorChoice::WithNotes);
        for (const AtlasWriter *writer : { &gm, &player }) {
            QCOMPARE(writer->plan().polityPages, 1);
            QCOMPARE(writer->plan().sectorPage(0), writer->plan().overviewPage() + 2);
        }
        const QString gmText = pdfText(gm.pdf());
        const QString legend = gmText.section(u'\f', gm.plan().polityPage() - 1, gm.plan().polityPage() - 1);
        for (const char *shown : { "Polities", "Concordat", "Shadow Pact", "Secret plans Qzx", "Tau Ceti" })
            QVERIFY2(legend.contains(shown), shown);
        QVERIFY(gmText.section(u'\f', 1, 1).contains("Polities")); // in the contents
        const QString playerText = pdfText(player.pdf());
        QVERIFY(playerText.contains("Concordat"));
        QVERIFY(!playerText.contains("Shadow Pact"));
        QVERIFY(!playerText.contains("Secret plans"));
        polities.list[0].knownToPlayers = false;
        QCOMPARE(f.writer(AtlasEdition::Player, SectorChoice::WithNotes).plan().polityPages, 0);
    }

    // Sectors show every wanted star, in no more pages than a plain grid needs; a route's sectors
    // come in the order of its stops.
    void sectorCover()
    {
        MapFixture f;
        for (int i = 0; i < f.table.size(); i += 5)
            f.model.notes.setNotes(i, "gm", "");
        const std::vector<int> route = plotRoute(f.model.distances, StarTable::kSol, f.star("Tau Ceti"), 8.0).stars;
        QVERIFY(route.size() > 2);
        const AtlasNotes notes = AtlasNotes::forEdition(f.model.notes, AtlasEdition::GameMaster);
        for (const int choice :
            { int(SectorChoice::WholeCatalogue), int(SectorChoice::WithNotes), int(SectorChoice::AlongRoute) }) {
            std::vector<int> wanted; // every star, every fifth (those with notes) or the route's stops
            for (int i = 0, step = choice == int(SectorChoice::WithNotes) ? 5 : 1; i < f.table.size(); i += step)
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
            QStringList expected, lightYears; // the sector's stars in list order, light years from Sol
            for (int i = 0; i < f.table.size(); ++i)
                if (sectorShows(sector, f.table, i))
                    expected << common::formatWhole(starDistance(f.table, i, StarTable::kSol));
            for (const RecordedOp &op :
                s.where([](const RecordedOp &text) { return text.kind == Kind::Text && text.at[0] == 265; }).mid(2))
                lightYears << op.text; // the column at x 265, under "LY" and "from Sol"
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

QTEST_MAIN(TestAtlas)
#include "tst_atlas.moc"
