#include "mapfixture.h"
#include "mapview/colours.h"
#include "mapview/keypanel.h"
#include "mapview/starlist.h"
#include "mapview/starpass.h"
#include "support/recordingsurface.h"

#include <QtTest>

using Kind = RecordedOp::Kind;

class TestKeyList : public QObject
{
    Q_OBJECT
private slots:
    void sectorLine();
    void panelsByMode();
    void keyPerColourCode_data();
    void keyPerColourCode();
    void listGeometry_data();
    void listGeometry();
    void rowColoursAndMarks();
    void tooltipsInBothForms();
};

void TestKeyList::sectorLine()
{
    QCOMPARE(sectorline(-7, -7, -40, 40), QStringLiteral("X -07 to +08  Y -07 to +08  Z -40 to +40"));
    QCOMPARE(sectorline(20, 20, -40, 40), QStringLiteral("X +20 to +35  Y +20 to +35  Z -40 to +40"));
}

void TestKeyList::panelsByMode()
{
    MapFixture f;
    f.model.view.fscale = 1.3; // title size 16 (15.6 rounded)
    for (const bool light : { false, true }) {
        f.model.view.wysflag = light;
        RecordingSurface surface;
        surface.FontSize = 13;
        drawpanels(f.model, surface);
        const auto boxes = surface.where([](const RecordedOp &op) { return op.kind != Kind::Print; });
        QCOMPARE(boxes[0].corners(), QList<double>({ 108, 11.5, 174.5, 27 }));
        QCOMPARE(boxes[1].corners(), QList<double>({ 31, 11.5, 107, 27 }));
        QCOMPARE(boxes[0].colour, light ? Colour(0xFFFFFF) : Colour(0));
        QCOMPARE(boxes[2].kind, Kind::Box);
        QCOMPARE(boxes[3].colour, light ? Colour(0xFFFF00) : Colour(0x202000));
        const RecordedOp title = surface.firstPrint(QStringLiteral("SECTOR DISPLAY"));
        // 14 characters at size 16 are 44.8 wide: centred on 69.
        QCOMPARE(QList<double>({ title.x1, title.y1, title.fontSize }), QList<double>({ 69.0f - 22.4f, 12, 16 }));
        QCOMPARE(title.colour, light ? Colour(0) : Colour(0xA0A0A0));
        QVERIFY(title.fontBold);
        QCOMPARE(surface.firstPrint(QStringLiteral("Selected Star : Sol")).y1, 22.0);
    }
    f.model.view.selstar = -1;
    RecordingSurface none;
    drawpanels(f.model, none);
    QCOMPARE(none.printed().filter(QStringLiteral("Selected Star")).size(), 0);
}

void TestKeyList::keyPerColourCode_data()
{
    QTest::addColumn<int>("colmode");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<Colour>>("colours");
    QTest::addColumn<int>("parts");
    QTest::newRow("Z") << 0 << "Z CO-ORDINATE KEY" << QStringList { "< -10", "-9 to -1", "1 to 9", ">10" }
                       << QList<Colour> { 0xFF0000, 0x00FF00, 0x00FFFF, 0x0080FF } << 5;
    QTest::newRow("spectral") << 1 << "SPECTRAL CLASS KEY" << QStringList { "O", "B", "A", "F", "G", "K", "M" }
                              << QList<Colour> { 0xFF0000, 0xFFFF00, 0xFFFFFF, 0x99FFFF, 0x33CCFF, 0x0080FF, 0x0000FF }
                              << 8;
    QTest::newRow("distance") << 2 << "DISTANCE FROM SELECTED KEY"
                              << QStringList { "0", "5", "10", "15", "20", "25", "30" }
                              << QList<Colour> { 0xFFFFFF, 0xC0C0FF, 0x8080FF, 0x4040FF, 0x0000C0, 0x000080, 0x000040 }
                              << 8;
    QTest::newRow("spheres") << 3 << "DEVELOPMENT SPHERE KEY" << QStringList { "0-9", "10-19", "20-30" }
                             << QList<Colour> { 0xFFCD70, 0xFF9000, 0x6E001B } << 4;
    QTest::newRow("unknown") << 9 << "" << QStringList {} << QList<Colour> {} << 1;
}

void TestKeyList::keyPerColourCode()
{
    QFETCH(int, colmode);
    QFETCH(QString, title);
    QFETCH(QStringList, captions);
    QFETCH(QList<Colour>, colours);
    QFETCH(int, parts);
    MapFixture f;
    f.model.view.colmode = colmode;
    RecordingSurface surface;
    surface.FontSize = 10; // left by the grid pass
    drawpanels(f.model, surface);
    const QStringList printed = surface.printed();
    QCOMPARE(printed.mid(3), title.isEmpty() ? QStringList() : QStringList { title } + captions);
    const auto dots = surface.ofKind(Kind::Circle);
    QCOMPARE(int(dots.size()), captions.size());
    for (int j = 0; j < captions.size(); ++j) {
        const RecordedOp &dot = dots[size_t(j)];
        QCOMPARE(float(dot.x1), float(108 + 66.5 * (j + 1) / parts));
        QCOMPARE(QList<double>({ dot.y1, dot.x2 }), QList<double>({ 20, 2 }));
        QCOMPARE(dot.fillColour, colours[j]);
        const RecordedOp caption = surface.firstPrint(captions[j]);
        QCOMPARE(QList<double>({ caption.y1, caption.fontSize }), QList<double>({ 22, 10 }));
        QVERIFY(caption.fontBold);
    }
}

void TestKeyList::listGeometry_data()
{
    QTest::addColumn<bool>("ids");
    QTest::addColumn<double>("rowLeft");
    QTest::addColumn<QStringList>("header");
    const QStringList columns { "Star Designation", "X", "Y", "Z", "SC", "LY", "PC" };
    QTest::newRow("with ID numbers") << true << 178.0 << QStringList { "Ref" } + columns;
    QTest::newRow("without ID numbers") << false << 188.0 << columns;
}

void TestKeyList::listGeometry()
{
    QFETCH(bool, ids);
    QFETCH(QStringList, header);
    MapFixture f;
    f.model.view.idsflag = ids;
    f.model.view.wysflag = true;
    f.model.view.fscale = 1.25; // list font 11.25: lines 4.5 high, rounded to 4
    RecordingSurface surface;
    StarList list(f.model, surface);
    QCOMPARE(surface.FontSize, 11.25);
    QCOMPARE(list.lineHeight(), 4.0);
    QCOMPARE(surface.printed(), header);
    QCOMPARE(surface.firstPrint(header.front()).x1, ids ? 180.0 : 190.0);
    QCOMPARE(surface.firstPrint(QStringLiteral("PC")).fontBold, true);
    const RecordedOp headerBox = surface.ops.front();
    QTEST(headerBox.x1, "rowLeft");
    QCOMPARE(QList<double>({ headerBox.y1, headerBox.x2, headerBox.y2 }), QList<double>({ 2, 278, 6 }));
    QCOMPARE(headerBox.colour, Colour(0xFFFFFF));

    const HitArea row = list.drawrow(f.star("Wolf 359"), 3, QStringLiteral("3"));
    QCOMPARE(row.rect, QRectF(178, 14, 98, 4));
    QCOMPARE(row.star, f.star("Wolf 359"));
    const auto rowBox = surface.ofKind(Kind::FilledBox).back();
    QTEST(rowBox.x1, "rowLeft");
    QCOMPARE(QList<double>({ rowBox.y1, rowBox.x2, rowBox.y2 }), QList<double>({ 14, 278, 18 }));
    QCOMPARE(surface.printed().contains(QStringLiteral("3")), ids);
}

void TestKeyList::rowColoursAndMarks()
{
    MapFixture f;
    f.model.view.fscale = 1.25;
    const int cygni = f.star("61 Cygni A"), sol = f.star("Sol"), wolf = f.star("Wolf 359");
    for (const bool light : { false, true }) {
        f.model.view.wysflag = light;
        RecordingSurface surface;
        StarList list(f.model, surface);
        const struct
        {
            int star, k;
            Colour background, text;
        } rows[] = { { cygni, 1, light ? 0xFFFF00u : 0u, light ? 0u : zcol(-7) },
            { wolf, 2, light ? 0xFFFFFFu : 0u, light ? 0u : zcol(1) }, { sol, 3, 0xFFu, 0xFFFFFFu } };
        for (const auto &row : rows) {
            const size_t from = surface.ops.size();
            list.drawrow(row.star, row.k, QString::number(row.k));
            const std::vector<RecordedOp> ops(surface.ops.begin() + long(from), surface.ops.end());
            QCOMPARE(ops.back().kind, Kind::Print);
            QCOMPARE(ops[row.star == sol ? 1 : 0].colour, row.background);
            QCOMPARE(ops.back().colour, row.text);
        }
    }
    // "R" is bold at the list size, "*" plain at 18 x fscale rounded; the LY column is whole years.
    RecordingSurface surface;
    StarList list(f.model, surface);
    list.drawrow(cygni, 1, QString());
    list.drawrow(sol, 2, QString());
    const auto marks = surface.where([](const RecordedOp &op) { return op.kind == Kind::Print && op.x1 == 271; });
    QCOMPARE(marks.size(), 3u); // the heading and the two marks
    QCOMPARE(QList<double>({ marks[1].fontSize, double(marks[1].fontBold) }), QList<double>({ 11.25, 1 }));
    QCOMPARE(QList<double>({ marks[2].fontSize, double(marks[2].fontBold) }), QList<double>({ 22, 0 }));
    QCOMPARE(surface.printed().mid(7, 7), QStringList({ "61 Cygni A", "6", "-6", "-7", "K5", "11", "R" }));
}

void TestKeyList::tooltipsInBothForms()
{
    MapFixture f;
    f.model.view.colmode = 2;
    RecordingSurface surface;
    MapFrame frame = drawstars(f.model, surface);
    QCOMPARE(frame.markers.at(0).toolTip, QStringLiteral("Distance From Sol to 61 Cygni A = 11 Ly"));
    f.model.view.selstar = -1;
    surface.ops.clear();
    frame = drawstars(f.model, surface);
    QCOMPARE(frame.markers.at(0).toolTip, QStringLiteral("61 Cygni A 6,-6,-7 K5 R"));
    QCOMPARE(frame.markers.at(2).toolTip, QStringLiteral("AC +79° -3,0,16 dM4 "));
    // The distance key stays, and every listed distance reads -1.
    QVERIFY(surface.printed().contains(QStringLiteral("DISTANCE FROM SELECTED KEY")));
    const auto distances = surface.where([](const RecordedOp &op) { return op.x1 == 265 && op.y1 > 2; });
    QCOMPARE(distances.size(), 36u);
    for (const RecordedOp &op : distances)
        QCOMPARE(op.text, QStringLiteral("-1"));
}

QTEST_GUILESS_MAIN(TestKeyList)
#include "tst_keylist.moc"
