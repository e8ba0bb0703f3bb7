#include "../mapview/mapfixture.h"
#include "export/handout.h"
#include "export/mapexport.h"
#include "index/notesboxes.h"
#include "mapview/redraw.h"
#include "notes/notesstore.h"
#include "support/recordingsurface.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// What an SVG file holds: its size attributes and how many text and path elements it draws.
struct SvgSummary
{
    QString width, height, viewBox;
    int texts = 0;
    QStringList textContents;
};

SvgSummary readSvg(const QString &fileName)
{
    QFile file(fileName);
    SvgSummary summary;
    if (!file.open(QIODevice::ReadOnly))
        return summary;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("svg")) {
            summary.width = xml.attributes().value("width").toString();
            summary.height = xml.attributes().value("height").toString();
            summary.viewBox = xml.attributes().value("viewBox").toString();
        } else if (xml.name() == QLatin1String("text")) {
            ++summary.texts;
            summary.textContents << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        }
    }
    if (xml.hasError())
        qWarning() << xml.errorString();
    return xml.hasError() ? SvgSummary {} : summary;
}

// The page size in points that the PDF's (only) page declares.
QSizeF pdfMediaBox(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QRegularExpression box(QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)\\s*\\]"));
    const auto match = box.match(QString::fromLatin1(file.readAll()));
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()) : QSizeF();
}

} // namespace

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
        QTest::newRow("svg dark") << "svg" << 0 << false;
        QTest::newRow("svg printer") << "svg" << 0 << true;
        QTest::newRow("pdf dark") << "pdf" << 0 << false;
        QTest::newRow("PDF printer") << "PDF" << 0 << true;
        QTest::newRow("png 150 dark") << "png" << 150 << false;
        QTest::newRow("png 300 printer") << "png" << 300 << true;
        QTest::newRow("png 600 dark") << "png" << 600 << false;
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
        const QString fileName = dir.filePath("map." + suffix);
        QVERIFY(mapexport::exportMap(f.model, fileName, dpi));

        RecordingSurface recorded;
        drawMap(f.model, recorded);
        const QStringList printed = recorded.printed();
        const QString format = suffix.toLower();
        if (format == "svg") {
            // 297 x 210 mm at five user units a millimetre; every text the passes print is an SVG text element.
            const SvgSummary svg = readSvg(fileName);
            QCOMPARE(QStringList({ svg.width, svg.height, svg.viewBox }),
                QStringList({ "297mm", "210mm", "0 0 1485 1050" }));
            QCOMPARE(svg.texts, printed.size());
            QVERIFY(svg.textContents.contains("Sol"));
        } else if (format == "pdf") {
            const QSizeF points = pdfMediaBox(fileName);
            QVERIFY2(qAbs(points.width() - 841.89) < 0.5 && qAbs(points.height() - 595.28) < 0.5,
                qPrintable(QStringLiteral("%1 x %2").arg(points.width()).arg(points.height())));
        } else {
            // A 600 dpi page is larger than an image reader takes by default.
            QImageReader::setAllocationLimit(512);
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

    void unknownExtensionWritesNothing()
    {
        MapFixture f;
        QTemporaryDir dir;
        QVERIFY(!mapexport::exportMap(f.model, dir.filePath("map.jpg")));
        QVERIFY(!QFile::exists(dir.filePath("map.jpg")));
    }

    // Whatever a game master types, none of it reaches the handout; the player text does.
    void handoutHoldsNoGameMasterText_data()
    {
        QTest::addColumn<QString>("gm");
        QTest::addColumn<QString>("player");
        QTest::newRow("plain") << "Pirate base in the belt"
                               << "A quiet red dwarf";
        QTest::newRow("separator in gm") << QString("Secret \u00FF ambush \u00FF here") << "Trade post";
        QTest::newRow("quotes and lines") << "\"Hidden\" fleet\r\nsecond 'line'"
                                          << "Line one\r\nLine two";
        QTest::newRow("gm only") << "Only the game master knows"
                                 << "";
        QTest::newRow("player only") << ""
                                     << "Known to everyone";
    }
    void handoutHoldsNoGameMasterText()
    {
        QFETCH(QString, gm);
        QFETCH(QString, player);
        MapFixture f;
        NotesStore notes(f.table.size());
        const int star = f.star("Barnard's Star");
        saveBoxes(notes, star, { gm, player });
        // A text from an older file, without parts, stays game-master text too.
        notes.setTextWithoutParts(f.star("Sol"), gm);
        const QString text = handout::handoutText(f.table, notes, star);
        QTemporaryDir dir;
        QVERIFY(handout::writeHandout(dir.filePath("h.txt"), text));
        QFile file(dir.filePath("h.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString written = QString::fromUtf8(file.readAll());
        QCOMPARE(written, text);
        QVERIFY(written.startsWith("Barnard's Star\r\nCo-ordinates X "));
        QVERIFY(written.contains("Distance from Sol 6 LY\r\n"));
        QVERIFY(written.endsWith(player + "\r\n"));
        for (const QString &line : gm.split(QRegularExpression("[\r\n\u00FF]+"), Qt::SkipEmptyParts))
            QVERIFY2(!written.contains(line.trimmed()), qPrintable(line));
        QVERIFY(handout::handoutText(f.table, notes, f.star("Sol")).endsWith("Player Notes\r\n\r\n"));
        QVERIFY(handout::writeHandout(dir.filePath("h.pdf"), text));
        // An A4 portrait page.
        const QSizeF points = pdfMediaBox(dir.filePath("h.pdf"));
        QVERIFY(qAbs(points.width() - 595.28) < 0.5 && qAbs(points.height() - 841.89) < 0.5);
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
