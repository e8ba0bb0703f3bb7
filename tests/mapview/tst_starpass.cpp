#include "mapfixture.h"
#include "mapview/colours.h"
#include "mapview/primitives.h"
#include "mapview/starpass.h"
#include "support/recordingsurface.h"

#include <QtTest>

using Kind = RecordedOp::Kind;

namespace {

bool isRed(const RecordedOp &op)
{
    return op.colour == 0xFF && (op.kind == Kind::Line || op.kind == Kind::Circle);
}

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
    void miniMapGreyOrOmitted_data();
    void miniMapGreyOrOmitted();
    void sectorBoxAndLogoByMode();
    void dotsAndMarkersOfSharedCell();
    void referenceNumbersAboveOrBelow();
    void crossHairs_data();
    void crossHairs();
    void indexMarksAndCaption();
};

void TestStarPass::miniMapGreyOrOmitted_data()
{
    QTest::addColumn<bool>("greyflag");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("listed");
    // Range 10 around Sol: 14 stars within it, 13 of them in the sector (-7, -7) .. (8, 8).
    QTest::newRow("out of range omitted") << false << 14 << 13;
    QTest::newRow("out of range grey") << true << 192 << 36;
}

void TestStarPass::miniMapGreyOrOmitted()
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
    for (const RecordedOp &p : points) {
        QCOMPARE(p.drawWidth, 3);
        QVERIFY(inrange(5, 30, p.x1) && inrange(2, 27, p.y1));
    }
    // Sol is the eleventh star within range; Wolf 359 is 7.3 away, Epsilon Indi 11.6.
    const RecordedOp solPoint = points[size_t(greyflag ? f.star("Sol") : 10)];
    QCOMPARE(solPoint.corners(), QList<double>({ 17.5, 14.5, 0, 0 }));
    QCOMPARE(solPoint.colour, zcol(0));
    const auto dots = surface.where(isDot);
    const auto dotOf = [&](const QString &name) {
        for (size_t k = 0; k < frame.markers.size(); ++k)
            if (frame.markers[k].star == f.star(name))
                return dots[k].fillColour;
        return Colour(1);
    };
    QCOMPARE(dotOf(QStringLiteral("Wolf 359")), zcol(1));
    QCOMPARE(dotOf(QStringLiteral("Epsilon Indi")), greyflag ? Colour(0xA0A0A0) : Colour(1));
    // Alpha Mensae is listed at Z -29: only X and Y decide what is in the sector.
    f.model.view.hirange = 40;
    RecordingSurface all;
    const MapFrame full = drawstars(f.model, all);
    QCOMPARE(full.markers.size(), 36u);
    QCOMPARE(all.FillStyle, 1);
    QCOMPARE(all.ForeColor, Colour(0));
}

void TestStarPass::sectorBoxAndLogoByMode()
{
    MapFixture f;
    f.model.logo = QImage(4, 4, QImage::Format_RGB32);
    for (const bool light : { false, true }) {
        f.model.view.wysflag = light;
        RecordingSurface surface;
        drawstars(f.model, surface);
        const RecordedOp box = surface.ofKind(Kind::Box).front();
        QCOMPARE(box.x1, 15.0);
        QVERIFY(qAbs(box.y1 - 11.642857) < 1e-6);
        QCOMPARE(QList<double>({ box.x2 - box.x1, box.y2 - box.y1 }), QList<double>({ 5, 5 }));
        QCOMPARE(box.colour, light ? Colour(0xFF0000) : Colour(0xA0A0A0));
        // Only the dark logo exists here: the printer mode has no picture to paint.
        QCOMPARE(surface.ofKind(Kind::Picture).size(), light ? 0u : 1u);
    }
}

void TestStarPass::dotsAndMarkersOfSharedCell()
{
    MapFixture f;
    f.model.view.wysflag = true;
    f.model.view.hirange = 10;
    f.model.view.greyflag = true;
    RecordingSurface surface;
    const MapFrame frame = drawstars(f.model, surface);
    // 61 Cygni A and B share (6, -6): A is nudged down-left, B up-right; both are 11 from Sol.
    const auto dots = surface.where(isDot);
    const struct
    {
        size_t k;
        QString name;
        double sx, sy;
    } expected[] = { { 0, QStringLiteral("61 Cygni A"), 143, 180 }, { 1, QStringLiteral("61 Cygni B"), 147, 176 } };
    for (const auto &e : expected) {
        QCOMPARE(frame.markers[e.k].star, f.star(e.name));
        QCOMPARE(frame.markers[e.k].rect, QRectF(e.sx - 2, e.sy - 2, 4, 0));
        QCOMPARE(frame.listRows[e.k].star, f.star(e.name));
        QCOMPARE(QList<double>({ dots[e.k].x1, dots[e.k].y1, dots[e.k].x2 }), QList<double>({ e.sx, e.sy, 1.5 }));
        QCOMPARE(dots[e.k].colour, Colour(0));
        QCOMPARE(dots[e.k].fillStyle, 0);
        QCOMPARE(dots[e.k].fillColour, Colour(0xA0A0A0));
    }
}

void TestStarPass::referenceNumbersAboveOrBelow()
{
    MapFixture f;
    f.model.view.idsflag = true;
    RecordingSurface surface;
    drawstars(f.model, surface);
    // List font 9: "1" is 1.8 wide and 3.6 high. A (not shifted) above its marker top 178, B below 174.
    const auto refs = surface.where([](const RecordedOp &op) { return op.kind == Kind::Print && op.y1 > 150; });
    QCOMPARE(refs.at(0).text, QStringLiteral("1"));
    QCOMPARE(QList<double>({ refs[0].x1, refs[0].y1 }), QList<double>({ 142, 174 }));
    QCOMPARE(refs.at(1).text, QStringLiteral("2"));
    QCOMPARE(QList<double>({ refs[1].x1, refs[1].y1 }), QList<double>({ 146, 178 }));
    QCOMPARE(refs[0].fontSize, 9.0);
    QCOMPARE(refs[0].colour, Colour(0xA0A0A0));
}

void TestStarPass::crossHairs_data()
{
    QTest::addColumn<int>("xorg");
    QTest::addColumn<int>("yorg");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<bool>("xhair");
    QTest::addColumn<QList<QList<double>>>("sectorRed");
    QTest::newRow("inside") << -7 << -7 << "Sol" << true
                            << QList<QList<double>> { { 85, 118, 3, 0 }, { 85, 28.1, 85, 115 }, { 85, 121, 85, 197.5 },
                                   { 5.1, 118, 82, 118 }, { 88, 118, 174.5, 118 } };
    QTest::newRow("X only") << -7 << 5 << "Sol" << true << QList<QList<double>> { { 85, 28.1, 85, 197.5 } };
    QTest::newRow("Y only") << 5 << -7 << "Sol" << true << QList<QList<double>> { { 5.1, 118, 174.5, 118 } };
    QTest::newRow("outside") << 5 << 5 << "Sol" << true << QList<QList<double>> {};
    QTest::newRow("cross hairs off") << -7 << -7 << "Sol" << false << QList<QList<double>> {};
    QTest::newRow("nothing selected") << -7 << -7 << "" << true << QList<QList<double>> {};
}

void TestStarPass::crossHairs()
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
    QList<QList<double>> sectorRed;
    int miniRed = 0;
    for (const RecordedOp &op : surface.where(isRed)) {
        QCOMPARE(op.drawWidth, 1);
        if (op.kind == Kind::Line && op.x1 <= 30 && op.y2 <= 27)
            ++miniRed; // the mini-map pair through (17.5, 14.5)
        else
            sectorRed << op.corners();
    }
    QTEST(sectorRed, "sectorRed");
    QCOMPARE(miniRed, xhair && !selected.isEmpty() ? 2 : 0);
}

void TestStarPass::indexMarksAndCaption()
{
    MapFixture f;
    const int sol = f.star("Sol"), cygni = f.star("61 Cygni A"), proxima = f.star("Proxima Centauri");
    f.model.view.diststar = cygni;
    f.model.notes.setText(proxima, QStringLiteral("gm") + NotesStore::kSeparator);
    RecordingSurface surface;
    MapFrame frame = drawstars(f.model, surface);
    QCOMPARE(frame.index.size(), 192u);
    QCOMPARE(frame.sellabel.value_or(QString()),
        QStringLiteral("The selected system is Sol and the distance to 61 Cygni A is 11 LY"));
    const IndexEntryMark &solMark = frame.index[size_t(sol)];
    QVERIFY(solMark.border && !solMark.hasNotes);
    QCOMPARE(solMark.textColour, Colour(255));
    QCOMPARE(solMark.mark, QStringLiteral("*"));
    QCOMPARE(solMark.dotColour, zcol(0));
    QCOMPARE(frame.index[size_t(cygni)].textColour, Colour(16711680));
    QCOMPARE(frame.index[size_t(cygni)].mark, QStringLiteral("R"));
    QVERIFY(frame.index[size_t(proxima)].hasNotes && !frame.index[size_t(proxima)].border);
    QCOMPARE(frame.index[size_t(proxima)].mark, QString());

    // One star both selected and second: blue wins, and the distance is 0.
    f.model.view.diststar = sol;
    frame = drawstars(f.model, surface);
    QCOMPARE(frame.index[size_t(sol)].textColour, Colour(16711680));
    QCOMPARE(frame.sellabel.value_or(QString()),
        QStringLiteral("The selected system is Sol and the distance to Sol is 0 LY"));
    f.model.view.diststar = -1;
    QCOMPARE(drawstars(f.model, surface).sellabel.value_or(QString()), QStringLiteral("The selected system is Sol"));
    f.model.view.selstar = -1;
    QVERIFY(!drawstars(f.model, surface).sellabel.has_value());
}

QTEST_GUILESS_MAIN(TestStarPass)
#include "tst_starpass.moc"
