#include "export/exportcommands.h"
#include "export/handout.h"
#include "export/mapexport.h"
#include "export/resolutionchooser.h"
#include "files/scriptedui.h"
#include "mapview/mapfixture.h"
#include "mapview/redraw.h"
#include "notes/notesboxes.h"
#include "notes/notesstore.h"
#include "support/pdftext.h"
#include "support/recordingsurface.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class TestExport : public QObject
{
    Q_OBJECT
private slots:
    // Each format at its page size, in the display mode the model shows, holding what the passes draw.
    void mapFiles_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<bool>("light");
        for (const auto &[suffix, dpi, light] : { std::tuple { "svg", 0, false }, { "svg", 0, true },
                 { "pdf", 0, false }, { "PDF", 0, true }, { "png", 150, false }, { "png", 300, true },
                 { "png", 600, false }, { "jpg", 300, false } }) // a jpg: nothing written
            QTest::addRow("%s %d %s", suffix, dpi, light ? "printer" : "dark") << QString(suffix) << dpi << light;
    }
    void mapFiles()
    {
        QFETCH(QString, suffix);
        QFETCH(int, dpi);
        QFETCH(bool, light);
        MapFixture f;
        f.view.printerMode = light;
        f.view.showStarNumbers = true;
        QTemporaryDir dir;
        const QString fileName = dir.filePath("map." + suffix), format = suffix.toLower();
        QCOMPARE(mapexport::exportMap(f.model, fileName, dpi), format != "jpg");
        QCOMPARE(QFile::exists(fileName), format != "jpg");
        if (format == "svg") {
            // 297 x 210 mm at five user units a millimetre; every text the passes print is an SVG text element.
            RecordingSurface recorded;
            drawMap(f.model, recorded);
            const QString svg = QString::fromUtf8(contents(fileName));
            QVERIFY(svg.contains(QRegularExpression(R"(<svg width="297mm" height="210mm"\s+viewBox="0 0 1485 1050")")));
            QCOMPARE(svg.count(QStringLiteral("<text ")), recorded.printed().size());
            QVERIFY(svg.contains(QStringLiteral(">Sol</text>")));
        } else if (format == "pdf") {
            QVERIFY(onePdfPage(contents(fileName), 841.89, 595.28));
        } else if (format == "png") {
            QImageReader::setAllocationLimit(512); // a 600 dpi page is larger than a reader takes by default
            const QImage image(fileName);
            QCOMPARE(image.size(), QSize(qRound(297 / 25.4 * dpi), qRound(210 / 25.4 * dpi)));
            QCOMPARE(image.dotsPerMeterX(), qRound(dpi / 0.0254));
            // The page's corner is the mode's background, Sol's dot (85, 118 mm) its Z colour.
            const auto at
                = [&](double x, double y) { return image.pixelColor(qRound(x / 25.4 * dpi), qRound(y / 25.4 * dpi)); };
            QCOMPARE(at(290, 205), light ? QColor(Qt::white) : QColor(Qt::black));
            QCOMPARE(at(85, 118), QColor(Qt::yellow));
        }
    }

    // Whatever a game master types, separators and line breaks included, none of it reaches the
    // handout (text or PDF); the player text does.
    void handoutHoldsNoGameMasterText()
    {
        MapFixture f;
        const int star = f.star("Barnard's Star"), sol = f.star("Sol");
        QTemporaryDir dir;
        const QString txt = dir.filePath("h.txt"), pdf = dir.filePath("h.pdf");
        for (const auto &[gm, player] : { std::pair { "Secret \u00FF ambush \u00FF here", "Trade post" },
                 { "\"Hidden\" fleet\r\nsecond 'line'", "Line one\r\nLine two" },
                 { "Only the game master knows", "" } }) {
            NotesStore notes(f.table.size());
            saveBoxes(notes, star, { gm, player });
            // A text from an older file, without parts, stays game-master text too.
            notes.setTextWithoutParts(sol, gm);
            QVERIFY(handout::handoutText(f.table, notes, sol).endsWith("Player Notes\r\n\r\n"));
            const QString text = handout::handoutText(f.table, notes, star);
            QVERIFY(handout::writeHandout(txt, text) && handout::writeHandout(pdf, text));
            QCOMPARE(QString::fromUtf8(contents(txt)), text);
            QVERIFY(text.startsWith("Barnard's Star\r\nCo-ordinates X ") && text.endsWith(player + QString("\r\n")));
            QVERIFY(text.contains("Distance from Sol 6 LY\r\n"));
            for (const QString &line : QString(gm).split(QRegularExpression("[\r\n\u00FF]+"), Qt::SkipEmptyParts))
                QVERIFY2(!text.contains(line.trimmed()), qPrintable(line));
            QVERIFY(onePdfPage(contents(pdf), 595.28, 841.89)); // an A4 portrait page
        }
    }

    // The commands: a name with another extension is told which extensions are written and nothing is
    // written; a written file is confirmed with its full path.
    void commandsNameExtensionsAndConfirm()
    {
        struct Dpi : ResolutionChooser
        {
            int chooseDpi(const QString &) override { return 150; }
        } dpi;
        MapFixture f;
        for (const auto &[map, file, shown] :
            { std::tuple { true, "m.PNG", "The map has been written to %1|Export Map|?" },
                { true, "m.jpg",
                    "m.jpg is not written: Export Map writes .svg, .pdf or .png files only.|Export Map|?" },
                { false, "h.doc",
                    "h.doc is not written: Export Player Handout writes .pdf or .txt files only.|Export Player "
                    "Handout|?" },
                { false, "h.txt", "The player handout has been written to %1|Export Player Handout|?" } }) {
            ScriptedUi ui;
            ui.answer = QDir(m_dir.path()).filePath(file);
            ExportCommands commands([&f] { return &f.model; }, ui, ui, dpi);
            map ? commands.chooseAndExportMap() : commands.chooseAndExportHandout();
            QCOMPARE(ui.shown, QStringList { QString(shown).arg(QDir::toNativeSeparators(ui.answer)) });
            QCOMPARE(QFile::exists(ui.answer), !QString(shown).contains("not written"));
        }
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
