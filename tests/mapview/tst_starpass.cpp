#include "mapfixture.h"
#include "mapview/colours.h"
#include "mapview/keypanel.h"
#include "mapview/primitives.h"
#include "mapview/starlist.h"
#include "mapview/starpass.h"
#include "support/recordingsurface.h"

#include <QtTest>

using Kind = RecordedOp::Kind;

class TestStarPass : public QObject
{
    Q_OBJECT
private slots:
    void starsBoxAndNumbersByMode()
    {
        MapFixture f;
        f.model.logo = QImage(4, 4, QImage::Format_RGB32); // only the dark logo: the printer mode has none
        f.view.rangeHigh = 10;
        f.view.showStarNumbers = true;
        f.view.showCrossHairs = false;
        for (const bool light : { false, true }) {
            f.view.printerMode = f.view.greyOutOfRange = light;
            RecordingSurface s;
            const MapFrame frame = drawStars(f.model, s);
            // 14 stars lie within range 10 of Sol, 13 of them in the sector (-7, -7) .. (8, 8). With grey
            // stars all 36 in the sector are listed, whatever their Z (AC +79° is at Z 16).
            const auto points = s.of(Kind::PSet);
            QCOMPARE(QList<size_t>({ size_t(points.size()), frame.markers.size(), frame.listRows.size() }),
                light ? QList<size_t>({ 192, 36, 36 }) : QList<size_t>({ 14, 13, 13 }));
            for (const RecordedOp &p : points)
                QVERIFY(p.drawWidth == 3 && inRange(5, 30, p.at[0]) && inRange(2, 27, p.at[1]));
            // Sol is the eleventh star within range, in its Z colour at (35 / 70 * 25 + 5, 35 / 70 * 25 + 2).
            const RecordedOp sol = points[light ? f.star("Sol") : 10];
            QCOMPARE(positions({ sol }) + u' ' + hex(sol.colour), QStringLiteral("17.5,14.5 ffff"));
            const RecordedOp box = s.of(Kind::Box).value(0);
            QCOMPARE(positions({ box }) + u' ' + hex(box.colour),
                light ? "15,11.6429,20,16.6429 ff0000" : "15,11.6429,20,16.6429 a0a0a0");
            QCOMPARE(s.of(Kind::Picture).size(), light ? 0 : 1);
            // Dots after the key, outlined by mode: Wolf 359 (7.3 from Sol, listed last) in its colour.
            const auto dots = s.of(Kind::Circle).mid(4);
            QCOMPARE(frame.markers.back().star, f.star("Wolf 359"));
            QCOMPARE(hex(dots.back().colour) + u' ' + hex(dots.back().fill), light ? "0 ffff" : "a0a0a0 ffff");
            QCOMPARE(QList<Colour>({ Colour(s.FillStyle), s.ForeColor }), QList<Colour>({ 1, 0 }));
            if (!light)
                continue;
            // Epsilon Indi is 11.6 from Sol. 61 Cygni A and B share (6, -6), 11 from Sol: A nudged down-left,
            // B up-right; their numbers (1.8 wide, 3.6 high) stand above the marker, or below when shifted (B).
            QVERIFY(frame.markers[15].star == f.star("Epsilon Indi") && dots[15].fill == 0xA0A0A0);
            QCOMPARE(positions(dots.mid(0, 2)) + u' ' + hex(dots[0].fill), "143,180,1.5 147,176,1.5 a0a0a0");
            QCOMPARE(frame.markers[1].rect, QRectF(145, 174, 4, 0));
            const auto numbers = s.where([](const RecordedOp &op) { return op.kind == Kind::Print && op.at[1] > 150; });
            QCOMPARE(positions(numbers.mid(0, 2)) + u' ' + numbers[0].text + numbers[1].text, "142,174 146,178 12");
        }
    }

    void crossHairs_data()
    {
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("crossHairsBox");
        QTest::addColumn<QString>("red"); // on the mini-map, then the circle and lines on the sector map
        const QString mini = "17.5,2,17.5,27 5,14.5,30,14.5";
        QTest::newRow("inside") << QPoint(-7, -7) << "Sol" << true
                                << mini + " 85,118,3 85,28.1,85,115 85,121,85,197.5 5.1,118,82,118 88,118,174.5,118";
        QTest::newRow("X only") << QPoint(-7, 5) << "Sol" << true << mini + " 85,28.1,85,197.5";
        QTest::newRow("Y only") << QPoint(5, -7) << "Sol" << true << mini + " 5.1,118,174.5,118";
        QTest::newRow("outside") << QPoint(5, 5) << "Sol" << true << mini;
        QTest::newRow("cross hairs off") << QPoint(-7, -7) << "Sol" << false << "";
        QTest::newRow("nothing selected") << QPoint(-7, -7) << "" << true << "";
    }
    void crossHairs()
    {
        MapFixture f;
        QFETCH(QPoint, origin);
        QFETCH(QString, selected);
        QFETCH(bool, crossHairsBox);
        f.view.originX = origin.x();
        f.view.originY = origin.y();
        f.view.selectedStar = f.star(selected);
        f.view.showCrossHairs = crossHairsBox;
        RecordingSurface s;
        drawStars(f.model, s);
        // One pixel wide; the selected row of the list is a red bar, not a cross hair.
        const auto red = s.where([](const RecordedOp &op) { return op.colour == 0xFF && op.kind != Kind::FilledBox; });
        QVERIFY(std::all_of(red.begin(), red.end(), [](const RecordedOp &op) { return op.drawWidth == 1; }));
        QTEST(positions(red), "red");
    }

    void indexMarksCaptionAndTooltips()
    {
        MapFixture f;
        const int sol = f.star("Sol"), cygni = f.star("61 Cygni A"), proxima = f.star("Proxima Centauri");
        f.view.colourCode = 2; // distance from the selected star
        f.view.secondStar = cygni;
        f.model.notes.setNotes(proxima, QStringLiteral("gm"), QString());
        RecordingSurface s;
        MapFrame frame = drawStars(f.model, s);
        QCOMPARE(frame.index.size(), 192u);
        // Border, text colour, dot colour, mark, notes.
        const auto mark = [&frame](int i) {
            const IndexEntryMark &m = frame.index[size_t(i)];
            return QStringLiteral("%1 %2 %3 %4 %5")
                .arg(QString::number(m.border), hex(m.textColour), hex(m.dotColour), m.mark,
                    QString::number(m.hasNotes));
        };
        QCOMPARE(QStringList({ mark(sol), mark(cygni), mark(proxima) }),
            QStringList({ "1 ff ffffff * 0", "1 ff0000 8080ff R 0", "0 0 ffffff  1" }));
        const QString selected = QStringLiteral("The selected system is Sol");
        QCOMPARE(frame.selectionLabel.value_or(QString()), selected + " and the distance to 61 Cygni A is 11 LY");
        QCOMPARE(frame.markers[0].toolTip, QStringLiteral("Distance From Sol to 61 Cygni A = 11 Ly"));
        // One star both selected and second: blue wins, at distance 0. No second star: no tail.
        f.view.secondStar = sol;
        frame = drawStars(f.model, s);
        QCOMPARE(mark(sol), "1 ff0000 ffffff * 0");
        QCOMPARE(frame.selectionLabel.value_or(QString()), selected + " and the distance to Sol is 0 LY");
        f.view.secondStar = -1;
        QCOMPARE(drawStars(f.model, s).selectionLabel.value_or(QString()), selected);
        // Nothing selected: no caption, tooltips with the star's own data, no selected star line in the title,
        // the distance key stays and every listed distance reads -1.
        f.view.selectedStar = -1;
        RecordingSurface none;
        frame = drawStars(f.model, none);
        QVERIFY(!frame.selectionLabel.has_value());
        QCOMPARE(frame.markers[0].toolTip, QStringLiteral("61 Cygni A 6,-6,-7 K5 R"));
        QCOMPARE(frame.markers[2].toolTip, QStringLiteral("AC +79° -3,0,16 dM4 "));
        QCOMPARE(none.printed().mid(2, 2), QStringList({ "DISTANCE FROM SELECTED KEY", "0" }));
        const auto distances = none.where([](const RecordedOp &op) { return op.at.value(0) == 265 && op.at[1] > 2; });
        QCOMPARE(distances.size(), 36);
        QVERIFY(std::all_of(distances.begin(), distances.end(), [](const RecordedOp &op) { return op.text == "-1"; }));
    }

    void panelsTitleAndKey_data()
    {
        QTest::addColumn<int>("colourCode");
        QTest::addColumn<bool>("light");
        QTest::addColumn<QString>("key"); // title and captions
        QTest::addColumn<QString>("colours"); // of the dots
        QTest::newRow("Z, dark") << 0 << false << "Z CO-ORDINATE KEY|< -10|-9 to -1|1 to 9|>10"
                                 << "ff0000 ff00 ffff 80ff";
        QTest::newRow("spectral, printer mode") << 1 << true << "SPECTRAL CLASS KEY|O|B|A|F|G|K|M"
                                                << "ff0000 ffff00 ffffff 99ffff 33ccff 80ff ff";
        QTest::newRow("distance, dark") << 2 << false << "DISTANCE FROM SELECTED KEY|0|5|10|15|20|25|30"
                                        << "ffffff c0c0ff 8080ff 4040ff c0 80 40";
        QTest::newRow("spheres, printer mode") << 3 << true << "DEVELOPMENT SPHERE KEY|0-9|10-19|20-30"
                                               << "ffcd70 ff9000 6e001b";
        QTest::newRow("unknown, dark") << 9 << false << QString() << QString();
    }
    void panelsTitleAndKey()
    {
        MapFixture f;
        QFETCH(int, colourCode);
        QFETCH(bool, light);
        f.view.colourCode = colourCode;
        f.view.printerMode = light;
        f.view.textScale = 1.3; // title size 15.6, rounded to 16
        RecordingSurface s;
        drawPanels(f.model, s);
        // Both panels filled (white or black), then outlined.
        QCOMPARE(positions(s.ops.mid(0, 4)), "108,11.5,174.5,27 31,11.5,107,27 108,11.5,174.5,27 31,11.5,107,27");
        QCOMPARE(hex(s.ops[1].colour) + u' ' + hex(s.ops[3].colour), light ? "ffffff ffff00" : "0 202000");
        // Centred on 69 ("SECTOR DISPLAY" is 44.8 wide at size 16) at Y 12, 17 and 22.
        QCOMPARE(s.printed().mid(0, 3),
            QStringList({ "SECTOR DISPLAY", "X -07 to +08  Y -07 to +08  Z -40 to +40", "Selected Star : Sol" }));
        QCOMPARE(positions({ s.ops[4], s.ops[6] }), "46.6,12 38.6,22");
        QCOMPARE(style(s.ops[4]), light ? "0 16 bold" : "a0a0a0 16 bold");
        QTEST(s.printed().mid(3).join(u'|'), "key");
        // The key width is split into one part more than there are dots.
        QStringList colours;
        const auto dots = s.of(Kind::Circle);
        for (qsizetype j = 0; j < dots.size(); ++j) {
            colours << hex(dots[j].fill);
            QCOMPARE(dots[j].at, QList<double>({ float(108 + 66.5 * (j + 1) / (dots.size() + 1)), 20, 2 }));
        }
        QTEST(colours.join(u' '), "colours");
        QCOMPARE(sectorLine(20, 20, -40, 40), QStringLiteral("X +20 to +35  Y +20 to +35  Z -40 to +40"));
    }

    void listGeometryAndColours()
    {
        MapFixture f;
        f.view.textScale = 1.25; // list font 11.25: lines 4.5 high, rounded to the even 4
        const int cygni = f.star("61 Cygni A"), wolf = f.star("Wolf 359"), sol = f.star("Sol");
        for (const bool light : { false, true }) {
            f.view.printerMode = f.view.showStarNumbers = light;
            RecordingSurface s;
            StarList list(f.model, s);
            // The header: a white box in the printer mode only, then the bold headings, "Ref" only with the IDs.
            QCOMPARE(positions(s.ops.mid(0, 2)), light ? "178,2,278,6 180,2" : "190,2 225,2");
            QCOMPARE(style(s.ops.back()), light ? "0 11.25 bold" : "ffffff 11.25 bold");
            // Rows 1 to 3: the click areas always start at 178, the row boxes where the columns start.
            // Printer mode: cyan odd rows, white even rows, black text; dark: black rows in the star's colour.
            // The selected row is a red bar with white text in both.
            QStringList colours;
            for (const auto &[star, k] : { std::pair { cygni, 1 }, { wolf, 2 }, { sol, 3 } }) {
                const qsizetype from = s.ops.size();
                QCOMPARE(list.drawRow(star, k, QString::number(k)).rect, QRectF(178, 4 * k + 2, 98, 4));
                colours << hex(s.ops[from + (star == sol)].colour) + u'/' + hex(s.ops.back().colour);
            }
            QCOMPARE(colours.join(u' '), light ? "ffff00/0 ffffff/0 ff/ffffff" : "0/ff00 0/ffff ff/ffffff");
            QCOMPARE(positions({ s.of(Kind::FilledBox).back() }), light ? "178,14,278,18" : "188,14,278,18");
            const QString texts = light ? "Ref|Star Designation|X|Y|Z|SC|LY|PC|1|61 Cygni A|6|-6|-7|K5|11|R|2"
                                        : "Star Designation|X|Y|Z|SC|LY|PC|61 Cygni A|6|-6|-7|K5|11|R|Wolf 359";
            QCOMPARE(s.printed().join(u'|').left(texts.size()), texts); // the header and row 1
            // "R" is bold at the list size, "*" plain at 18 x textScale rounded.
            const auto marks = s.where([](const RecordedOp &op) { return op.kind == Kind::Print && op.at[0] == 271; });
            QCOMPARE(style(marks.value(1)) + u'|' + style(marks.value(2)),
                light ? "0 11.25 bold|ffffff 22" : "ff00 11.25 bold|ffffff 22");
        }
    }

    // "Show height": a 6-point signed Z right of each sector dot in the mode's text colour, only when chosen.
    void heightLabels_data()
    {
        QTest::addColumn<int>("heightBox");
        QTest::addColumn<bool>("light");
        QTest::newRow("default") << DisplayOptions().heightBox << false;
        QTest::newRow("off printer") << 0 << true;
        QTest::newRow("on dark") << 1 << false;
        QTest::newRow("on printer") << 1 << true;
    }
    void heightLabels()
    {
        QFETCH(int, heightBox);
        QFETCH(bool, light);
        MapFixture f;
        f.model.options.heightBox = heightBox;
        f.model.options.printerMode = light;
        f.model.options.readInto(f.view);
        RecordingSurface s;
        const MapFrame frame = drawStars(f.model, s);
        const auto labels = s.where([](const RecordedOp &op) { return op.kind == Kind::Print && op.fontSize == 6; });
        QCOMPARE(labels.size(), heightBox ? qsizetype(frame.markers.size()) : 0);
        if (!heightBox)
            return;
        // The two 61 Cygni stars share X and Y and differ only in height; Alpha Centauri lies below the plane.
        // The first star of a shared cell has its label left of its dot (1.2 units a character), clear of the
        // second one's number.
        QStringList found;
        for (const char *name : { "Sol", "61 Cygni A", "61 Cygni B", "Alpha Centauri A" }) {
            const int star = f.star(name);
            const auto marker = std::find_if(
                frame.markers.begin(), frame.markers.end(), [star](const HitArea &area) { return area.star == star; });
            QVERIFY(marker != frame.markers.end());
            const QPointF dot = marker->rect.topLeft() + QPointF(2, 2);
            const bool shifted = star == f.star("61 Cygni A") || star == f.star("Alpha Centauri A");
            const auto label = std::find_if(labels.begin(), labels.end(), [dot, shifted](const RecordedOp &op) {
                const double x = shifted ? dot.x() - 1.9 - 1.2 * op.text.size() : dot.x() + 1.9;
                return qFuzzyCompare(op.at[0], x) && qFuzzyCompare(op.at[1], dot.y() - 1.2);
            });
            QVERIFY2(label != labels.end(), name);
            QCOMPARE(label->colour, light ? colours::kBlack : colours::kWhite);
            found << label->text;
        }
        QCOMPARE(found, QStringList({ "0", "-7", "+7", "-4" }));
    }
};

QTEST_GUILESS_MAIN(TestStarPass)
#include "tst_starpass.moc"
