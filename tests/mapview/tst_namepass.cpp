#include "mapfixture.h"
#include "mapview/namepass.h"
#include "mapview/nameplacer.h"
#include "mapview/paintersurface.h"
#include "mapview/redraw.h"
#include "mapview/sectorgeometry.h"
#include "mapview/starpass.h"
#include "support/recordingsurface.h"

#include <QPainter>
#include <QtTest>

#include <cmath>

using Kind = RecordedOp::Kind;

namespace {

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

class TestNamePass : public QObject
{
    Q_OBJECT
private slots:
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
};

QTEST_MAIN(TestNamePass)
#include "tst_namepass.moc"
