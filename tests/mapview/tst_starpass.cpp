#include "mapfixture.h"
#include "mapview/colours.h"
#include "mapview/primitives.h"
#include "mapview/starpass.h"
#include "support/recordingsurface.h"

#include <QtTest>

using Kind = RecordedOp::Kind;

namespace {

// A star dot, as opposed to the dots of the colour key.
bool isDot(const RecordedOp &op)
{
    return op.kind == Kind::Circle && op.x2 == 1.5;
}

} // namespace

class TestStarPass : public QObject
{
    Q_OBJECT
private slots:
    void greyOrOmittedOutOfRange_data()
    {
        QTest::addColumn<bool>("greyflag");
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("listed");
        // Range 10 around Sol: 14 stars within it, 13 of them in the sector (-7, -7) .. (8, 8).
        QTest::newRow("omitted") << false << 14 << 13;
        QTest::newRow("grey") << true << 192 << 36;
    }
    void greyOrOmittedOutOfRange()
    {
        QFETCH(bool, greyflag);
        MapFixture f;
        f.model.view.hirange = 10;
        f.model.view.greyflag = greyflag;
        RecordingSurface surface;
        const MapFrame frame = drawstars(f.model, surface);
        const auto points = surface.ofKind(Kind::PSet);
        QTEST(int(points.size()), "points");
        QTEST(int(frame.markers.size()), "listed");
        QCOMPARE(frame.listRows.size(), frame.markers.size());
        for (const RecordedOp &p : points)
            QVERIFY(p.drawWidth == 3 && inrange(5, 30, p.x1) && inrange(2, 27, p.y1));
        // Sol is the eleventh star within range, in its Z colour at (35 / 70 * 25 + 5, 35 / 70 * 25 + 2).
        const RecordedOp sol = points[size_t(greyflag ? f.star("Sol") : 10)];
        QCOMPARE(sol.corners(), QList<double>({ 17.5, 14.5, 0, 0 }));
        QCOMPARE(sol.colour, zcol(0));
        // Wolf 359 is 7.3 from Sol, Epsilon Indi 11.6.
        const auto dots = surface.where(isDot);
        const auto fillOf = [&](const char *name) {
            for (size_t k = 0; k < frame.markers.size(); ++k)
                if (frame.markers[k].star == f.star(name))
                    return dots[k].fillColour;
            return Colour(1);
        };
        QCOMPARE(fillOf("Wolf 359"), zcol(1));
        QCOMPARE(fillOf("Epsilon Indi"), greyflag ? Colour(0xA0A0A0) : Colour(1));
        // Whole range: Alpha Mensae (Z -29) is listed too, only X and Y decide. The pass ends transparent, black.
        f.model.view.hirange = 40;
        RecordingSurface all;
        QCOMPARE(drawstars(f.model, all).markers.size(), 36u);
        QCOMPARE(QList<Colour>({ Colour(all.FillStyle), all.ForeColor }), QList<Colour>({ 1, 0 }));
    }

    void sectorBoxAndLogoByMode()
    {
        MapFixture f;
        f.model.logo = QImage(4, 4, QImage::Format_RGB32);
        for (const bool light : { false, true }) {
            f.model.view.wysflag = light;
            RecordingSurface surface;
            drawstars(f.model, surface);
            const RecordedOp box = surface.ofKind(Kind::Box).front();
            QCOMPARE(QList<double>({ box.x1, box.x2 - box.x1, box.y2 - box.y1 }), QList<double>({ 15, 5, 5 }));
            QVERIFY(qAbs(box.y1 - 11.642857) < 1e-6);
            QCOMPARE(box.colour, light ? Colour(0xFF0000) : Colour(0xA0A0A0));
            // Only the dark logo is loaded here: the printer mode has no picture to paint.
            QCOMPARE(surface.ofKind(Kind::Picture).size(), light ? 0u : 1u);
        }
    }

    void sharedCellDotsMarkersAndNumbers()
    {
        MapFixture f;
        f.model.view.wysflag = true;
        f.model.view.hirange = 10;
        f.model.view.greyflag = true;
        f.model.view.idsflag = true;
        RecordingSurface surface;
        const MapFrame frame = drawstars(f.model, surface);
        // 61 Cygni A and B share (6, -6), 11 from Sol: A nudged down-left, B up-right, both grey.
        // Reference numbers at list size 9 are 1.8 wide and 3.6 high: A's above its marker, B's (shifted) below.
        const auto dots = surface.where(isDot);
        const auto numbers = surface.where([](const RecordedOp &op) { return op.kind == Kind::Print && op.y1 > 150; });
        const struct
        {
            const char *name;
            double sx, sy;
            const char *ref;
            double refX, refY;
        } expected[] = { { "61 Cygni A", 143, 180, "1", 142, 174 }, { "61 Cygni B", 147, 176, "2", 146, 178 } };
        for (size_t k = 0; k < 2; ++k) {
            const auto &e = expected[k];
            QCOMPARE(frame.markers[k].star, f.star(e.name));
            QCOMPARE(frame.markers[k].rect, QRectF(e.sx - 2, e.sy - 2, 4, 0));
            QCOMPARE(dots[k].corners(), QList<double>({ e.sx, e.sy, 1.5, 0 }));
            QCOMPARE(QList<Colour>({ dots[k].colour, Colour(dots[k].fillStyle), dots[k].fillColour }),
                QList<Colour>({ 0, 0, 0xA0A0A0 }));
            QCOMPARE(numbers[k].text, QString::fromLatin1(e.ref));
            QCOMPARE(QList<double>({ numbers[k].x1, numbers[k].y1, numbers[k].fontSize }),
                QList<double>({ e.refX, e.refY, 9 }));
        }
    }

    void crossHairs_data()
    {
        QTest::addColumn<int>("xorg");
        QTest::addColumn<int>("yorg");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("xhair");
        QTest::addColumn<QList<QList<double>>>("sectorRed");
        QTest::newRow("inside") << -7 << -7 << "Sol" << true
                                << QList<QList<double>> { { 85, 118, 3, 0 }, { 85, 28.1, 85, 115 },
                                       { 85, 121, 85, 197.5 }, { 5.1, 118, 82, 118 }, { 88, 118, 174.5, 118 } };
        QTest::newRow("X only") << -7 << 5 << "Sol" << true << QList<QList<double>> { { 85, 28.1, 85, 197.5 } };
        QTest::newRow("Y only") << 5 << -7 << "Sol" << true << QList<QList<double>> { { 5.1, 118, 174.5, 118 } };
        QTest::newRow("outside") << 5 << 5 << "Sol" << true << QList<QList<double>> {};
        QTest::newRow("cross hairs off") << -7 << -7 << "Sol" << false << QList<QList<double>> {};
        QTest::newRow("nothing selected") << -7 << -7 << "" << true << QList<QList<double>> {};
    }
    void crossHairs()
    {
        QFETCH(int, xorg);
        QFETCH(int, yorg);
        QFETCH(QString, selected);
        QFETCH(bool, xhair);
        MapFixture f;
        f.model.view.xorg = xorg;
        f.model.view.yorg = yorg;
        f.model.view.selstar = f.star(selected);
        f.model.view.xhairflag = xhair;
        RecordingSurface surface;
        drawstars(f.model, surface);
        QList<QList<double>> sectorRed, miniRed;
        // Red lines and circles; the selected row of the list is a red bar, not a cross hair.
        for (const RecordedOp &op : surface.where([](const RecordedOp &op) { return op.colour == 0xFF; })) {
            if (op.kind == Kind::FilledBox)
                continue;
            QVERIFY(op.drawWidth == 1 && op.kind != Kind::Print);
            (op.kind == Kind::Line && op.x2 <= 30 && op.y2 <= 27 ? miniRed : sectorRed) << op.corners();
        }
        QTEST(sectorRed, "sectorRed");
        const bool shown = xhair && !selected.isEmpty();
        QCOMPARE(miniRed,
            shown ? QList<QList<double>>({ { 17.5, 2, 17.5, 27 }, { 5, 14.5, 30, 14.5 } }) : QList<QList<double>>());
    }

    void indexMarksAndCaption()
    {
        MapFixture f;
        const int sol = f.star("Sol"), cygni = f.star("61 Cygni A"), proxima = f.star("Proxima Centauri");
        f.model.view.diststar = cygni;
        f.model.notes.setText(proxima, NotesStore::join(QStringLiteral("gm"), QString()));
        RecordingSurface surface;
        MapFrame frame = drawstars(f.model, surface);
        QCOMPARE(frame.index.size(), 192u);
        QCOMPARE(frame.sellabel.value_or(QString()),
            QStringLiteral("The selected system is Sol and the distance to 61 Cygni A is 11 LY"));
        const auto summary = [&](int i) {
            const IndexEntryMark &m = frame.index[size_t(i)];
            return QStringList { QString::number(m.border), hex(m.textColour), hex(m.dotColour), m.mark,
                QString::number(m.hasNotes) };
        };
        QCOMPARE(summary(sol), QStringList({ "1", "ff", hex(zcol(0)), "*", "0" }));
        QCOMPARE(summary(cygni), QStringList({ "1", "ff0000", hex(zcol(-7)), "R", "0" }));
        QCOMPARE(summary(proxima), QStringList({ "0", "0", hex(zcol(-4)), "", "1" }));
        // One star both selected and second: blue wins, at distance 0. No second star: no tail.
        f.model.view.diststar = sol;
        frame = drawstars(f.model, surface);
        QCOMPARE(frame.index[size_t(sol)].textColour, Colour(0xFF0000));
        QCOMPARE(frame.sellabel.value_or(QString()),
            QStringLiteral("The selected system is Sol and the distance to Sol is 0 LY"));
        f.model.view.diststar = -1;
        QCOMPARE(
            drawstars(f.model, surface).sellabel.value_or(QString()), QStringLiteral("The selected system is Sol"));
        f.model.view.selstar = -1;
        QVERIFY(!drawstars(f.model, surface).sellabel.has_value());
    }

private:
    static QString hex(Colour colour) { return QString::number(colour, 16); }
};

QTEST_GUILESS_MAIN(TestStarPass)
#include "tst_starpass.moc"
