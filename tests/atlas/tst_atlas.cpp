#include "atlas/atlaswriter.h"
#include "atlas/pdflinks.h"
#include "atlas/pdfreader.h"
#include "atlas/sectorpage.h"
#include "mapview/mapfixture.h"
#include "mapview/redraw.h"
#include "output/printmapcommand.h"
#include "support/pdftext.h"
#include "support/recordingsurface.h"

#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

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
        if (sectors >= 0) {
            QCOMPARE(int(plan.sectors.size()), sectors);
        } else {
            // Every star on a sector page.
            for (int i = 0; i < f.table.size(); ++i)
                QVERIFY(std::any_of(plan.sectors.begin(), plan.sectors.end(),
                    [&](const AtlasSector &s) { return sectorShows(s, f.table, i); }));
        }
        const std::vector<int> wanted
            = choice == int(SectorChoice::AlongRoute) ? f.model.campaign.travel.route : std::vector<int> {};
        for (const int star : wanted)
            QVERIFY(std::any_of(plan.sectors.begin(), plan.sectors.end(),
                [&](const AtlasSector &s) { return sectorShows(s, f.table, star); }));

        const QByteArray pdf = writer.pdf();
        const std::optional<PdfReader> reader = PdfReader::read(pdf);
        QVERIFY(reader);
        const std::vector<int> pages = reader->pages();
        // Title, contents, overview, one page a sector and one index page for these short notes.
        QCOMPARE(int(pages.size()), 3 + int(plan.sectors.size()) + 1);
        QCOMPARE(plan.firstIndexPage(), int(pages.size()));
        // Contents page links: the overview, every sector, the index, in order.
        const std::vector<int> links = PdfReader::references(
            reader->object(PdfReader::reference(PdfReader::value(reader->object(pages[1]), "/Annots"))));
        QCOMPARE(int(links.size()), int(plan.sectors.size()) + 2);
        for (size_t k = 0; k < links.size(); ++k) {
            const QByteArray dest = PdfReader::value(reader->object(links[k]), "/Dest");
            QCOMPARE(PdfReader::references(dest), std::vector<int> { pages[2 + k] });
        }
        // poppler reads the updated file without complaint, to the same number of pages.
        QVERIFY(pdfText(pdf).count(u'\f') == int(pages.size()));
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

    // A damaged or foreign file gets no links and is left as it was; nothing reads outside it.
    void linksOnBadFiles_data()
    {
        QTest::addColumn<QByteArray>("pdf");
        const QByteArray good = AtlasFixture().writer(AtlasEdition::Player, SectorChoice::WithNotes).pdf();
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("cut in half") << good.left(good.size() / 2);
        QTest::newRow("no xref at startxref") << QByteArray(good).replace("startxref", "startxref 12 %");
        QTest::newRow("xref offset past the end") << QByteArray("%PDF-1.4\nstartxref\n999999\n%%EOF");
        QTest::newRow("/Prev loop") << QByteArray("xref\n0 1\n0000000000 65535 f \ntrailer\n<< /Size 1 /Prev 0 >>\n"
                                                  "startxref\n0\n%%EOF");
        // Objects 1 and 2 and a cross-reference table that finds them.
        const auto file = [](const QByteArray &one, const QByteArray &two) {
            const QByteArray first = "1 0 obj\n" + one + "\nendobj\n";
            const QByteArray body = first + "2 0 obj\n" + two + "\nendobj\n";
            return body + "xref\n0 3\n0000000000 65535 f \n0000000000 00000 n \n"
                + QByteArray::number(first.size()).rightJustified(10, '0') + " 00000 n \ntrailer\n"
                + "<< /Size 3 /Root 1 0 R >>\nstartxref\n" + QByteArray::number(body.size()) + "\n%%EOF";
        };
        QTest::newRow("page tree loop") << file(
            "<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [2 0 R] >>");
        QTest::newRow("unterminated string")
            << file("<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Title (never closed >>");
    }
    void linksOnBadFiles()
    {
        QFETCH(QByteArray, pdf);
        QByteArray changed = pdf;
        QVERIFY(!addPageLinks(changed, { { 0, QRectF(0, 0, 10, 10), 1 } }));
        QCOMPARE(changed, pdf);
    }

    // A sector page is what Print Map draws from the page's model: its options agree with its view.
    void sectorPagesAsPrinted_data()
    {
        QTest::addColumn<bool>("printerMode");
        QTest::newRow("printer mode") << true;
        QTest::newRow("Velmora mode") << false;
    }
    void sectorPagesAsPrinted()
    {
        QFETCH(bool, printerMode);
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
};

QTEST_MAIN(TestAtlas)
#include "tst_atlas.moc"
