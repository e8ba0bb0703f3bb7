#include "index/indexentries.h"
#include "mapfixture.h"
#include "mapview/colours.h"
#include "mapview/gridpass.h"
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
            const auto points = s.of(Kind::Point);
            QCOMPARE(QList<size_t>({ size_t(points.size()), frame.markers.size(), frame.listRows.size() }),
                light ? QList<size_t>({ 192, 36, 36 }) : QList<size_t>({ 14, 13, 13 }));
            // Sol is the eleventh star within range, in its Z colour at (35 / 70 * 25 + 5, 35 / 70 * 25 + 2).
            const RecordedOp sol = points[light ? f.star("Sol") : 10];
            const RecordedOp box = s.of(Kind::Box).value(0);
            QCOMPARE(positions({ sol, box }) + u' ' + hex(sol.colour) + u' ' + hex(box.colour),
                light ? "17.5,14.5 15,11.6429,20,16.6429 ffff ff0000" : "17.5,14.5 15,11.6429,20,16.6429 ffff a0a0a0");
            QCOMPARE(s.of(Kind::Picture).size(), light ? 0 : 1);
            // Dots after the key, outlined by mode: Wolf 359 (7.3 from Sol, listed last) in its colour.
            const auto dots = s.of(Kind::Circle).mid(4);
            QCOMPARE(frame.markers.back().star, f.star("Wolf 359"));
            QCOMPARE(hex(dots.back().colour) + u' ' + hex(dots.back().fill), light ? "0 ffff" : "a0a0a0 ffff");
            if (!light)
                continue;
            // Epsilon Indi is 11.6 from Sol. 61 Cygni A and B share (6, -6), 11 from Sol: A nudged down-left,
            // B up-right; their numbers (1.8 wide, 3.6 high) stand above the marker, or below when shifted (B).
            QVERIFY(frame.markers[15].star == f.star("Epsilon Indi") && dots[15].fill == 0xA0A0A0);
            QCOMPARE(positions(dots.mid(0, 2)) + u' ' + hex(dots[0].fill), "143,180,1.5 147,176,1.5 a0a0a0");
            QCOMPARE(frame.markers[1].rect, QRectF(145, 174, 4, 0));
            const auto numbers = s.where([](const RecordedOp &op) { return op.kind == Kind::Text && op.at[1] > 150; });
            QCOMPARE(positions(numbers.mid(0, 2)) + u' ' + numbers[0].text + numbers[1].text, "142,174 146,178 12");
        }
    }

    // Red one-pixel lines through the selected star on the mini-map, then on the sector map a circle round
    // it with lines stopping short of it, or one line when only its X or only its Y is in the sector. The
    // selected row of the list is a red bar, not a cross hair.
    void crossHairs()
    {
        const QString mini = "17.5,2,17.5,27 5,14.5,30,14.5 ";
        const std::tuple<QPoint, QString, bool, QString> rows[] = {
            { { -7, -7 }, "Sol", true,
                mini + "85,118,3 85,28.1,85,115 85,121,85,197.5 5.1,118,82,118 88,118,174.5,118" },
            { { -7, 5 }, "Sol", true, mini + "85,28.1,85,197.5" },
            { { 5, -7 }, "Sol", true, mini + "5.1,118,174.5,118" },
            { { 5, 5 }, "Sol", true, mini.trimmed() }, // outside
            { { -7, -7 }, "Sol", false, "" }, // cross hairs off
            { { -7, -7 }, "", true, "" }, // nothing selected
        };
        for (const auto &[origin, selected, crossHairsBox, expected] : rows) {
            MapFixture f;
            f.view.originX = origin.x();
            f.view.originY = origin.y();
            f.view.selectedStar = f.star(selected);
            f.view.showCrossHairs = crossHairsBox;
            RecordingSurface s;
            drawStars(f.model, s);
            const auto red
                = s.where([](const RecordedOp &op) { return op.colour == 0xFF && op.kind != Kind::FilledBox; });
            QVERIFY(std::all_of(red.begin(), red.end(), [](const RecordedOp &op) { return op.drawWidth == 1; }));
            QCOMPARE(positions(red), expected);
        }
    }

    // The index caption names the selected star (the index window's own test covers the second star and the
    // entry marks) and the marker tooltips give its distance; with nothing selected there is no caption,
    // the tooltips give the star's own data and every listed distance reads -1. The caption is the index's
    // own (worked out beside the star pass from the same model).
    void captionAndTooltips()
    {
        MapFixture f;
        f.view.secondStar = -1;
        RecordingSurface s;
        MapFrame frame = drawStars(f.model, s);
        QCOMPARE(selectionCaption(f.model).value_or(QString()), QStringLiteral("The selected system is Sol"));
        QCOMPARE(frame.markers[0].toolTip, QStringLiteral("Distance From Sol to 61 Cygni A = 11 Ly"));
        f.view.selectedStar = -1;
        s.ops.clear();
        frame = drawStars(f.model, s);
        QVERIFY(!selectionCaption(f.model).has_value());
        QCOMPARE(frame.markers[0].toolTip + u'|' + frame.markers[2].toolTip,
            QStringLiteral("61 Cygni A 6,-6,-7 K5 R|AC +79° -3,0,16 dM4 "));
        const auto distances = s.where([](const RecordedOp &op) { return op.at.value(0) == 265 && op.at[1] > 2; });
        QCOMPARE(distances.size(), 36);
        QVERIFY(std::all_of(distances.begin(), distances.end(), [](const RecordedOp &op) { return op.text == "-1"; }));
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
            // The header: a white box in the printer mode only, "Ref" only with the IDs.
            QCOMPARE(s.ops[0].kind == Kind::FilledBox && s.printed().contains("Ref"), light);
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
            // "R" is bold at the list size, "*" plain at 18 x textScale rounded.
            const auto marks = s.where([](const RecordedOp &op) { return op.kind == Kind::Text && op.at[0] == 271; });
            QCOMPARE(style(marks.value(1)) + u'|' + style(marks.value(2)),
                light ? "0 11.25 bold|ffffff 22" : "ff00 11.25 bold|ffffff 22");
        }
    }

    // "Show height": a 6-point signed Z right of each sector dot in the mode's text colour, only when chosen.
    // Sol, selected, has it at the upper right of its ring, clear of the ring and the cross hairs.
    // The two 61 Cygni stars share X and Y and differ only in height; Alpha Centauri lies below the plane.
    // The first star of a shared cell has its label left of its dot (1.2 units a character), clear of the
    // second one's number. On the sector's east edge Groombridge 34 B (167, 106), shifted in its cell, has it at
    // its left and CD -49° (165, 178), alone in its cell, under its dot.
    // Off by default (-1: the box as a new model has it).
    void heightLabels()
    {
        for (const auto &[heightBox, light] : { std::pair { -1, false }, { 0, true }, { 1, false }, { 2, true } }) {
            MapFixture f;
            if (heightBox >= 0)
                f.model.options.heightBox = heightBox;
            f.model.options.printerMode = light;
            f.model.options.readInto(f.view);
            RecordingSurface s;
            const MapFrame frame = drawStars(f.model, s);
            QStringList labels;
            for (const RecordedOp &op : s.of(Kind::Text))
                if (op.fontSize == 6)
                    labels << op.text + u' ' + positions({ op }) + u' ' + hex(op.colour);
            QCOMPARE(labels.size(), heightBox > 0 ? qsizetype(frame.markers.size()) : 0);
            // The dots: Sol (85, 118), 61 Cygni A (143, 180) and B (147, 176), Alpha Centauri A (65, 126).
            for (const char *label : { "0 87.5213,113.079", "-7 138.7,178.8", "+7 148.9,174.8", "-4 60.7,124.8",
                     "+8 162.7,104.8", "-12 163.2,179.9" })
                QCOMPARE(labels.count(label + QString(light ? " 0" : " ffffff")), heightBox > 0 ? 1 : 0);
        }
    }

    // Every star on the west and east edges, star ID numbers on or off: no height label touches a grid
    // co-ordinate label, and the selected star's label keeps clear of its ring of radius 3.
    void heightLabelsClearOfGridLabelsAndRing()
    {
        MapFixture f;
        f.view.showHeight = true;
        const auto box = [](const RecordedOp &op) {
            return QRectF(op.at[0], op.at[1], op.text.size() * op.fontSize * 0.2, op.fontSize * 0.4);
        };
        for (const int origin : { -35, -20, -5, 10, 20 }) { // every row of the catalogue
            for (int x = -35; x <= 20; ++x) {
                f.view.originX = x;
                f.view.originY = origin;
                f.view.showStarNumbers = x % 2;
                RecordingSurface s;
                drawGrid(f.model, s);
                QList<QRectF> grid;
                for (const RecordedOp &op : s.of(Kind::Text))
                    if (op.at[0] < 15 || op.at[0] > 165)
                        grid << box(op);
                s.ops.clear();
                drawStars(f.model, s);
                for (const RecordedOp &op : s.of(Kind::Text))
                    for (const QRectF &label : grid)
                        QVERIFY2(op.fontSize != 6 || !label.intersects(box(op)), qPrintable(op.text));
            }
        }
        f.view.originX = f.view.originY = -7;
        RecordingSurface s;
        drawStars(f.model, s);
        const RecordedOp sol = s.where([](const RecordedOp &op) { return op.fontSize == 6 && op.text == "0"; })[0];
        QVERIFY(QLineF(85, 118, sol.at[0], sol.at[1] + 2.4).length() > 3);
    }
};

QTEST_GUILESS_MAIN(TestStarPass)
#include "tst_starpass.moc"
