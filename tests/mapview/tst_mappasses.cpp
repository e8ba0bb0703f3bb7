#include "catalogue/stardistance.h"
#include "index/indexentries.h"
#include "mapfixture.h"
#include "mapview/colours.h"
#include "mapview/gridpass.h"
#include "mapview/keypanel.h"
#include "mapview/namepass.h"
#include "mapview/nameplacer.h"
#include "mapview/paintersurface.h"
#include "mapview/primitives.h"
#include "mapview/redraw.h"
#include "mapview/sectorgeometry.h"
#include "mapview/starlist.h"
#include "mapview/starpass.h"
#include "mapview/territorypass.h"
#include "support/recordingsurface.h"

#include <QPainter>
#include <QtTest>

#include <cmath>

using Kind = RecordedOp::Kind;

namespace {

// The results of f over the inputs, space separated, so that one row covers all edges of a function.
template <typename F, typename... T>
QString each(F f, T... inputs)
{
    return QStringList({ f(inputs)... }).join(u' ');
}

constexpr quint32 kConcordat = 0xCC3311, kFreeWorlds = 0x00AA00;

// Overlap of more than a hair: boxes that only touch do not cover each other.
bool covers(const QRectF &a, const QRectF &b)
{
    return a.adjusted(0.01, 0.01, -0.01, -0.01).intersects(b);
}

bool coversDot(const QRectF &rect, QPointF centre, double radius)
{
    const double dx = centre.x() - std::clamp(centre.x(), rect.left(), rect.right());
    const double dy = centre.y() - std::clamp(centre.y(), rect.top(), rect.bottom());
    return dx * dx + dy * dy < radius * radius - 0.01;
}

// The box a print fills on the recording surface.
QRectF printBox(const RecordedOp &op)
{
    return QRectF(op.at[0], op.at[1], op.text.size() * op.fontSize * 0.2, op.fontSize * 0.4);
}

constexpr double kNameSize = 7.0; // points, at text scale 1

} // namespace

// The passes that draw the map, on a recording surface: the primitives and colours they share, the
// grid, the stars with their list, the names, and the territories (tint pictures, borders, legend, the polity
// colour code, and nothing at all while territories are not shown).
class TestMapPasses : public QObject
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
    // Every edge of each primitive and colour function in one comparison.
    void primitiveEdges()
    {
        QCOMPARE(each(signedLabel, 100, -40), "+100 -40"); // the grid labels show the two-digit ones
        QCOMPARE(sectorLine(20, -35, -40, 7), "X +20 to +35  Y -35 to -20  Z -40 to +07");
        QCOMPARE(each([](int v) { return QString::number(inRange(3, 18, v)); }, 2, 3, 18, 19), "0 1 1 0");
        QCOMPARE(each([](qint16 z) { return hex(colourByZ(z)); }, -41, -40, -11, -10, -1, 0, 10, 11, 40, 41),
            "ffff00 ff0000 ff0000 ff00 ff00 ffff ffff 80ff 80ff ffff00");
        // Later classes win whatever the order in the text; lower-case letters are no class.
        QCOMPARE(each([](const char *t) { return hex(colourBySpectralType(QString::fromLatin1(t))); }, "O5", "BO",
                     "DA5", "F8", "DG8", "GK", "KG", "dM4", "k5", ""),
            "ff0000 ffff00 ffffff 99ffff 33ccff 80ff 80ff ff 0 0");
        // The small gaps between the distance bands fall through to black.
        QCOMPARE(each([](double d) { return hex(colourByDistance(d)); }, 4.99, 5.0, 9.99, 9.995, 10.0, 14.99, 14.995,
                     15.0, 19.99, 19.995, 20.0, 24.99, 24.995, 25.0, 29.99, 29.995, 30.0),
            "ffffff c0c0ff c0c0ff 0 8080ff 8080ff 0 4040ff 4040ff 0 c0 c0 0 80 80 0 40");
        QCOMPARE(each([](qint16 d) { return hex(colourByDistanceFromSol(d)); }, 9, 10, 19, 20),
            "ffcd70 ff9000 ff9000 6e001b");
        MapFixture f;
        const int sol = f.star("Sol"), centauriB = f.star("Alpha Centauri B"); // B sits at (-2, -1, -4)
        const auto d = [&](int i, int j) { return QString::number(starDistance(f.table, i, j)); };
        QCOMPARE(QStringList({ d(sol, sol), d(-1, 5), d(5, -1), d(sol, centauriB) }).join(u' '), "0 -1 -1 4.58258");
        // Per mode: Z, spectral, distance from the selected star (itself, 11, none selected), catalogue
        // distance from Sol (Delta Pavonis is 19.7 by its co-ordinates, 20 in the catalogue), polity
        // (Sol belongs to none: dim grey), unknown.
        const auto c = [&](const char *name, int colourCode, int selectedStar) {
            f.view.colourCode = colourCode;
            f.view.selectedStar = selectedStar;
            return hex(starColour(f.model, f.star(QString::fromLatin1(name))));
        };
        QCOMPARE(
            QStringList({ c("61 Cygni A", 0, sol), c("61 Cygni B", 1, sol), c("Sol", 2, sol), c("61 Cygni A", 2, sol),
                            c("61 Cygni A", 2, -1), c("Delta Pavonis", 3, sol), c("Sol", 4, sol), c("Sol", 5, sol) })
                .join(u' '),
            "ff00 80ff ffffff 8080ff ffffff 6e001b 505050 0");
    }

    void qprintAndDleg()
    {
        RecordingSurface s;
        s.foreColor = 0x123456;
        s.fontSize = 8;
        const QString digits = QStringLiteral("0123456789"); // 20 units wide at size 10
        printText(s, digits, 7, 12, colours::kRed, QStringLiteral("Courier"), 10, true, 69);
        printText(s, digits, 7, 12, TextColour::keep(), QString(), 0, false, 0);
        printText(s, digits, 7, 12, colours::kBlack, QString(), 10, true, -1);
        // Centred on 69, then at x 7 twice, keeping foreColor only when asked to: black is a colour too.
        // All restored afterwards.
        QCOMPARE(positions(s.ops), QStringLiteral("59,12 7,12 7,12"));
        QCOMPARE(QStringList({ style(s.ops[0]), style(s.ops[1]), style(s.ops[2]) }),
            QStringList({ "ff 10 bold", "123456 8", "0 10 bold" }));
        QVERIFY(s.foreColor == 0x123456 && s.fontSize == 8 && !s.fontBold && s.fontName == QLatin1String("Arial"));
        s.fontSize = 12.5; // "10" is 5 wide: the half 2.5 goes to the even 2
        s.foreColor = 0xA0A0A0;
        drawKeyEntry(QStringLiteral("10"), 0xFF, 50, 20, 2, s);
        QCOMPARE(positions(s.ops.mid(3)), QStringLiteral("50,20,2 48,22"));
        QCOMPARE(QList<Colour>({ s.ops[3].colour, s.ops[3].fill }), QList<Colour>({ 0xA0A0A0, 0xFF }));
        QVERIFY(s.ops[3].kind == RecordedOp::Kind::Circle && s.ops[4].bold && s.fontBold
            && s.fillStyle == Surface::Fill::Solid);
    }

    // On a window and on paper, in each mode: the dashed lines and samples of the labels of columns 0, 7,
    // 8 and 15 (per column: X above, X below, Y left, Y right).
    void gridBySurfaceModeAndOrigin()
    {
        const QString from7 = "35,38,35,188 15,68,165,68 85,38,85,188 15,118,165,118 135,38,135,188 15,168,165,168";
        // From (0, 0), X = 15 on the right edge and Y = 0 on the bottom edge are left to the frame; from
        // (1, -1), X = 0 and Y = 15 fall just outside the box, on the left and top labels.
        const QString from0 = "15,38,15,188 15,38,165,38 65,38,65,188 15,88,165,88 115,38,115,188 15,138,165,138";
        const QString from1 = "55,38,55,188 15,78,165,78 105,38,105,188 15,128,165,128 155,38,155,188 15,178,165,178";
        // At size 13, "-07" is 7.8 wide (half 4) and 5.2 high (half 3).
        const QString labels7 = "-07 11,28|-07 11,192|+08 4,35|+08 168,35|00 82,28|00 6,115|-07 168,185";
        const QString labels0 = "00 12,28|00 12,192|+15 4,35|+15 168,35|+07 81,28|+07 4,115|00 168,185";
        const QString labels1 = "+01 11,28|+01 11,192|+14 4,35|+14 168,35|+08 81,28|+06 4,115|-01 168,185";
        const std::tuple<bool, bool, QPoint, QString, QString> rows[]
            = { { false, false, { -7, -7 }, from7, labels7 }, { false, true, { 0, 0 }, from0, labels0 },
                  { true, false, { 1, -1 }, from1, labels1 }, { true, true, { -7, -7 }, from7, labels7 } };
        for (const auto &[printer, printerMode, origin, dashes, expectedLabels] : rows) {
            MapFixture f;
            f.view.printerMode = printerMode;
            f.view.originX = origin.x();
            f.view.originY = origin.y();
            f.view.textScale = 1.3;
            RecordingSurface s;
            s.printer = printer;
            s.foreColor = 0x123456;
            s.drawWidth = 7;
            drawGrid(f.model, s);
            QVERIFY(s.drawStyle == 0 && s.drawWidth == 1 && s.fontSize == 13); // font size 10 x textScale
            // A window is cleared; on paper a dark page is painted black and a light page is left white.
            QCOMPARE(s.of(Kind::Clear).size(), printer ? 0 : 1);
            QCOMPARE(positions(s.ops.mid(0, 1)) + u' ' + hex(s.ops.front().colour),
                !printer          ? (printerMode ? " ffffff" : " 0")
                    : printerMode ? "5.1,28.1,174.5,197.5 ffffff"
                                  : "0,0,297,210 0");
            // The solid lines in one colour, the dashed lines and the frame that closes the pass in another.
            const auto lines = s.of(Kind::Line);
            const auto dashed
                = s.where([](const RecordedOp &op) { return op.kind == Kind::Line && op.drawStyle == 1; });
            QCOMPARE(lines.size() - dashed.size(), 32);
            QVERIFY(std::all_of(lines.begin(), lines.end(), [&](const RecordedOp &op) {
                return op.colour == (op.drawStyle ? s.ops.back().colour : lines.front().colour);
            }));
            QVERIFY(lines.front().colour != s.ops.back().colour && s.ops.back().drawStyle == 0);
            QCOMPARE(positions(dashed), dashes);
            // The printer mode prints the labels in the surface's foreColor.
            const auto labels = s.of(Kind::Text);
            QCOMPARE(labels.size(), 64);
            QCOMPARE(labels[0].colour, printerMode ? 0x123456u : 0xA0A0A0u);
            QStringList samples;
            for (const int k : { 0, 1, 2, 3, 28, 34, 63 })
                samples << labels[k].text + u' ' + positions({ labels[k] });
            QCOMPARE(samples.join(u'|'), expectedLabels);
        }
    }

    void circlesClippedToTheirAreas()
    {
        MapFixture f;
        // Spheres of 10, 20 and 30, and the range circle of 40 round Sol.
        f.view.showSpheres = f.view.showRangeCircle = true;
        RecordingSurface s;
        drawGrid(f.model, s);
        QSet<Colour> sector, mini;
        // Each circle's radius in light years by its colour; a light year is 10 sector units and
        // 25/70 mini-map units, and Sol stands at (85, 118) and (17.14, 14.5).
        const QHash<Colour, double> radius { { colourByDistanceFromSol(5), 10 }, { colourByDistanceFromSol(15), 20 },
            { colourByDistanceFromSol(25), 30 }, { colourByDistance(40), 40 } };
        for (const RecordedOp &p : s.of(Kind::Point)) {
            const bool inSector = p.drawWidth == 4;
            QVERIFY(inSector ? inRange(15, 165, p.at[0]) && inRange(38, 188, p.at[1])
                             : p.drawWidth == 1 && inRange(5.2, 29.8, p.at[0]) && inRange(2.2, 26.8, p.at[1]));
            (inSector ? sector : mini) << p.colour;
            const double scale = inSector ? 10.0 : 25.0 / 70.0;
            const double length = inSector ? std::hypot(p.at[0] - 85, p.at[1] - 118)
                                           : std::hypot(p.at[0] - 34 * scale - 5, p.at[1] - 35 * scale - 2);
            QVERIFY2(std::abs(length / scale - radius.value(p.colour)) < 0.01, qPrintable(positions({ p })));
        }
        // Only the 10-year sphere reaches into the sector from (-7, -7); the range circle leaves the mini-map.
        QCOMPARE(sector, QSet<Colour>({ colourByDistanceFromSol(5) }));
        QCOMPARE(mini, QSet<Colour>(radius.keyBegin(), radius.keyEnd()));
        // No range circle without a selected star.
        f.view.showSpheres = false;
        f.view.selectedStar = -1;
        s.ops.clear();
        drawGrid(f.model, s);
        QVERIFY(s.of(Kind::Point).isEmpty());
    }

    // A range circle of 30 light years or more (on paper, the screen, a big screen) has its 4-pixel dots no
    // more than half a dot apart, a solid line; a small one keeps a thousand points a half turn; one too
    // wide to reach any sector is not drawn.
    void bigCirclesAreSolid()
    {
        for (const auto &[range, textScale, origin] : { std::tuple { 10, 1.28, -7 }, { 30, 1.0, 20 }, { 30, 1.28, 20 },
                 { -30, 1.28, 20 }, { 45, 2.5, 20 }, { 1000000000, 1.0, 20 } }) {
            MapFixture f;
            f.view.showRangeCircle = true;
            f.view.rangeHigh = range;
            f.view.textScale = textScale;
            f.view.originX = f.view.originY = origin;
            RecordingSurface s;
            drawGrid(f.model, s);
            const auto dots = s.where([](const RecordedOp &op) { return op.kind == Kind::Point && op.drawWidth == 4; });
            double widest = 0; // between neighbours, not where the circle left the grid
            for (qsizetype k = 1; k < dots.size(); ++k)
                if (const double gap = std::hypot(dots[k].at[0] - dots[k - 1].at[0], dots[k].at[1] - dots[k - 1].at[1]);
                    gap < 5)
                    widest = std::max(widest, gap);
            QCOMPARE(dots.isEmpty(), range > 100);
            QVERIFY(range == 10 ? qAbs(widest - 0.314) < 0.001 : widest <= 1.01 * 2 * 25.4 / 96 / textScale);
        }
    }

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
    // co-ordinate label. (Sol's label clear of its ring is heightLabels' golden position.)
    void heightLabelsClearOfGridLabels()
    {
        MapFixture f;
        f.view.showHeight = true;
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
                        grid << printBox(op);
                s.ops.clear();
                drawStars(f.model, s);
                for (const RecordedOp &op : s.of(Kind::Text))
                    for (const QRectF &label : grid)
                        QVERIFY2(op.fontSize != 6 || !label.intersects(printBox(op)), qPrintable(op.text));
            }
        }
    }

    // The placer takes the nearest free place round a dot: beside it while that is free, further out
    // with a leader from the dot's edge when it is not, and none at all when nothing is free.
    void placer_data()
    {
        QTest::addColumn<QList<QRectF>>("taken");
        QTest::addColumn<QRectF>("bounds");
        QTest::addColumn<QRectF>("expected"); // empty: left out
        QTest::addColumn<bool>("leader");
        const QRectF open(0, 0, 100, 100);
        // A 10 x 2 name for a dot at (50, 50) with clearance 1: at its right 1.4 out, centred on it.
        QTest::newRow("alone: at the right") << QList<QRectF> {} << open << QRectF(51.4, 49, 10, 2) << false;
        QTest::newRow("right taken: at the left")
            << QList<QRectF> { { 55, 49.5, 1, 1 } } << open << QRectF(38.6, 49, 10, 2) << false;
        QTest::newRow("against the east bound: at the left")
            << QList<QRectF> {} << QRectF(0, 0, 58, 100) << QRectF(38.6, 49, 10, 2) << false;
        // Bars above and below the dot, wider than the first rings round it: further out, with a leader.
        QTest::newRow("crowded: further out")
            << QList<QRectF> { { 47, 47, 6, 2.5 }, { 47, 50.5, 6, 2.5 } } << open << QRectF(54.4, 49, 10, 2) << true;
        QTest::newRow("no room at all") << QList<QRectF> { { 0, 0, 100, 49.9 }, { 0, 50.1, 100, 50 } } << open
                                        << QRectF() << false;
    }
    void placer()
    {
        QFETCH(QList<QRectF>, taken);
        QFETCH(QRectF, bounds);
        QFETCH(QRectF, expected);
        QFETCH(bool, leader);
        NamePlacer placer(bounds);
        for (const QRectF &rect : taken)
            placer.take(rect);
        const QPointF dot(50, 50);
        placer.takeDot(7, dot, 1.0);
        const std::optional<PlacedName> name = placer.place(7, dot, 1.0, QSizeF(10, 2));
        QCOMPARE(name.has_value(), !expected.isNull());
        if (!name)
            return;
        QCOMPARE(name->rect, expected);
        QCOMPARE(name->leader.has_value(), leader);
        for (const QRectF &rect : taken)
            QVERIFY(!covers(name->rect, rect));
        if (leader) {
            // From the dot's edge to the name, crossing nothing taken.
            QCOMPARE(QLineF(dot, name->leader->p1()).length(), 1.0);
            QVERIFY(name->rect.adjusted(-0.01, -0.01, 0.01, 0.01).contains(name->leader->p2()));
            for (const QRectF &rect : taken)
                QVERIFY(!rect.contains(name->leader->pointAt(0.5)));
        }
        // The space is taken now: the same name again finds another place, never the same one.
        const std::optional<PlacedName> again = placer.place(8, dot, 1.0, QSizeF(10, 2));
        QVERIFY(!again || !covers(again->rect, name->rect));
    }

    // Selected star, second star, the route's stops in route order, stars with notes, then the rest by
    // distance from the selected star.
    void order()
    {
        MapFixture f;
        const int sol = f.star("Sol"), barnard = f.star("Barnard's Star"), wolf = f.star("Wolf 359"),
                  alpha = f.star("Alpha Centauri A"), ross = f.star("Ross 248"), lalande = f.star("Lalande");
        f.view.selectedStar = wolf;
        f.view.secondStar = alpha;
        f.model.campaign.travel.route = { ross, sol, barnard };
        QVERIFY(ross >= 0 && lalande >= 0);
        f.model.notes.setNotes(lalande, "gm", "");
        std::vector<SectorMarks::Dot> dots;
        for (int i = 0; i < f.table.size(); ++i)
            if (inSector(f.table[i], f.view))
                dots.push_back({ i, sectorPoint(f.table[i], f.view) });
        const std::vector<int> order = namingOrder(f.model, dots);
        QCOMPARE(order.size(), dots.size());
        QCOMPARE(std::vector<int>(order.begin(), order.begin() + 6),
            std::vector<int>({ wolf, alpha, ross, sol, barnard, lalande }));
        for (size_t k = 7; k < order.size(); ++k)
            QVERIFY(f.model.distances(order[k - 1], wolf) <= f.model.distances(order[k], wolf));
    }

    // Over every sector the map can show, with every label beside the dots: no name covers another
    // name, a leader, a dot, a label or anything drawn outside the grid (co-ordinate labels, keys,
    // list); each leader runs from its dot's edge to its name; and nothing else changes on the map.
    void noOverlapInAnySector()
    {
        MapFixture f;
        f.view.showHeight = f.view.showStarNumbers = f.view.markNotes = f.view.greyOutOfRange = true;
        f.view.rangeHigh = 12;
        f.model.campaign.travel.route = { f.star("Sol"), f.star("Barnard's Star"), f.star("Tau Ceti") };
        for (int i = 0; i < f.table.size(); i += 5)
            f.model.notes.setNotes(i, "gm", "");
        int names = 0, leaders = 0;
        for (int y = -35; y <= 20; ++y) {
            for (int x = -35; x <= 20; ++x) {
                f.view.originX = x;
                f.view.originY = y;
                f.view.showStarNames = false;
                RecordingSurface plain;
                drawMap(f.model, plain);
                f.view.showStarNames = true;
                RecordingSurface s;
                const MapFrame frame = drawMap(f.model, s);
                const auto isName
                    = [](const RecordedOp &op) { return op.kind == Kind::Text && op.fontSize == kNameSize; };
                const QList<RecordedOp> named = s.where(isName);
                const QList<RecordedOp> leaderOps = s.ops.mid(plain.ops.size());
                QCOMPARE(s.ops.mid(0, plain.ops.size()).size(), plain.ops.size());
                QCOMPARE(named.size() + int(frame.unnamed.size()), frame.markers.size());
                QList<QRectF> others;
                for (const RecordedOp &op : plain.of(Kind::Text))
                    others << printBox(op);
                for (const RecordedOp &op : plain.of(Kind::FilledBox))
                    if (!sectorBox().intersects(QRectF(QPointF(op.at[0], op.at[1]), QPointF(op.at[2], op.at[3]))))
                        others << QRectF(QPointF(op.at[0], op.at[1]), QPointF(op.at[2], op.at[3])).normalized();
                for (int a = 0; a < named.size(); ++a) {
                    const QRectF box = printBox(named[a]);
                    QVERIFY(sectorPanel().contains(box));
                    for (int b = a + 1; b < named.size(); ++b)
                        QVERIFY2(!covers(box, printBox(named[b])), qPrintable(named[a].text + " / " + named[b].text));
                    for (const QRectF &other : others)
                        QVERIFY2(!covers(box, other), qPrintable(named[a].text));
                    for (const RecordedOp &dot : plain.of(Kind::Circle))
                        QVERIFY2(!coversDot(box, QPointF(dot.at[0], dot.at[1]), std::min(dot.at[2], 1.5)),
                            qPrintable(named[a].text));
                    for (const RecordedOp &op : leaderOps)
                        if (op.kind == Kind::Line) {
                            ++leaders;
                            const QLineF line(op.at[0], op.at[1], op.at[2], op.at[3]);
                            QVERIFY(!box.adjusted(0.05, 0.05, -0.05, -0.05).contains(line.pointAt(0.5)));
                        }
                }
                names += named.size();
                // The first operations are those of the map without names, unchanged.
                for (int k = 0; k < plain.ops.size(); ++k)
                    QVERIFY(plain.ops[k].kind == s.ops[k].kind && plain.ops[k].at == s.ops[k].at
                        && plain.ops[k].text == s.ops[k].text);
            }
        }
        // Enough named to mean something: most of the 192 stars in most of the sectors that show them.
        QVERIFY2(names > 20000 && leaders > 0, qPrintable(QStringLiteral("%1 names").arg(names)));
    }

    // On a 1600 x 1200 screen with the real font, every star of the start sector and of the sector a
    // click on each star centres is named, nothing left out.
    void noneLeftOutOnScreen()
    {
        MapFixture f;
        f.model.options.starNamesBox = 1;
        f.model.logoBoxVisible = false;
        // The page set-up on a 1600 x 1200 screen at 96 dpi: a map area 1440 wide, text scale 1440 / 1122.5.
        const QSize area(1440, 1018);
        f.view.textScale = 1440.0 / (297.0 / 25.4 * 96.0);
        QImage image(area, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        RasterCache cache;
        QStringList leftOut;
        std::vector<QPoint> origins { { -7, -7 } };
        for (int i = 0; i < f.table.size(); ++i)
            origins.emplace_back(f.table[i].x - 7, f.table[i].y - 7);
        for (const QPoint &origin : origins) {
            f.view.originX = origin.x();
            f.view.originY = origin.y();
            beginRedraw(f.model);
            QPainter painter(&image);
            PainterSurface surface(painter, QSizeF(297, 210), QRectF(QPointF(0, 0), QSizeF(area)), false, &cache);
            const MapFrame frame = drawMap(f.model, surface);
            QVERIFY(frame.markers.size() > 0);
            for (const int star : frame.unnamed)
                leftOut << QStringLiteral("%1 at (%2, %3)").arg(f.table[star].starName).arg(origin.x()).arg(origin.y());
        }
        QVERIFY2(leftOut.isEmpty(), qPrintable(leftOut.join(", ")));
    }

    void hiddenTerritoryDrawsNothing()
    {
        MapModel plain = m_map.model;
        MapModel held = m_map.model;
        held.territory = TerritoryCache(); // copies share one cache: this one is its own
        addPolities(held);
        const RecordingSurface before = draw(plain);
        const RecordingSurface after = draw(held);
        QCOMPARE(positions(after.ops), positions(before.ops));
        QVERIFY(after.of(Kind::Picture).size() == before.of(Kind::Picture).size());
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
            const QStringList pictures = positions(surface.of(Kind::Picture)).split(u' ');
            QVERIFY(pictures.contains(QStringLiteral("15,38")));
            QVERIFY(pictures.contains(QStringLiteral("5,2")));
            const Colour concordat = polityColour(kConcordat, printerMode);
            const Colour freeWorlds = polityColour(kFreeWorlds, printerMode);
            const auto lines = [&](Colour colour) {
                return surface.where([colour](const RecordedOp &op) {
                    return op.kind == Kind::Line && op.colour == colour && op.drawWidth == 2;
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
            const QList<RecordedOp> legend = surface.where(
                [](const RecordedOp &op) { return op.kind == Kind::Text && op.at[1] > 195 && op.fontSize == 7.0; });
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

QTEST_MAIN(TestMapPasses)
#include "tst_mappasses.moc"
