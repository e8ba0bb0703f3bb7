#include "mapfixture.h"
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
    void titlePanelByMode()
    {
        QCOMPARE(sectorline(20, 20, -40, 40), QStringLiteral("X +20 to +35  Y +20 to +35  Z -40 to +40"));
        MapFixture f;
        f.model.view.fscale = 1.3; // title size 15.6, rounded to 16
        for (const bool light : { false, true }) {
            f.model.view.wysflag = light;
            RecordingSurface surface;
            drawpanels(f.model, surface);
            const auto boxes = surface.where([](const RecordedOp &op) { return op.kind != Kind::Print; });
            QCOMPARE(boxes[0].corners(), QList<double>({ 108, 11.5, 174.5, 27 }));
            QCOMPARE(boxes[1].corners(), QList<double>({ 31, 11.5, 107, 27 }));
            QCOMPARE(QList<Colour>({ boxes[1].colour, boxes[3].colour }),
                light ? QList<Colour>({ 0xFFFFFF, 0xFFFF00 }) : QList<Colour>({ 0, 0x202000 }));
            QCOMPARE(boxes[3].kind, Kind::Box);
            const QStringList title = surface.printed().mid(0, 3);
            QCOMPARE(title,
                QStringList({ "SECTOR DISPLAY", "X -07 to +08  Y -07 to +08  Z -40 to +40", "Selected Star : Sol" }));
            // 14 characters at size 16 are 44.8 wide, centred on 69; the lines stand at Y 12, 17 and 22.
            const RecordedOp first = surface.firstPrint(title[0]);
            QCOMPARE(QList<double>({ first.x1, first.y1, first.fontSize, double(first.fontBold) }),
                QList<double>({ 69.0f - 22.4f, 12, 16, 1 }));
            QCOMPARE(surface.firstPrint(title[2]).y1, 22.0);
            QCOMPARE(first.colour, light ? Colour(0) : Colour(0xA0A0A0));
        }
        f.model.view.selstar = -1;
        RecordingSurface none;
        drawpanels(f.model, none);
        QVERIFY(none.printed().filter(QStringLiteral("Selected Star")).isEmpty());
    }

    void keyPerColourCode_data()
    {
        QTest::addColumn<int>("colmode");
        QTest::addColumn<QStringList>("texts"); // title, then the captions
        QTest::addColumn<QList<Colour>>("colours");
        QTest::newRow("Z") << 0 << QStringList { "Z CO-ORDINATE KEY", "< -10", "-9 to -1", "1 to 9", ">10" }
                           << QList<Colour> { 0xFF0000, 0x00FF00, 0x00FFFF, 0x0080FF };
        QTest::newRow("spectral") << 1 << QStringList { "SPECTRAL CLASS KEY", "O", "B", "A", "F", "G", "K", "M" }
                                  << QList<Colour> { 0xFF0000, 0xFFFF00, 0xFFFFFF, 0x99FFFF, 0x33CCFF, 0x0080FF,
                                         0x0000FF };
        QTest::newRow("distance") << 2
                                  << QStringList { "DISTANCE FROM SELECTED KEY", "0", "5", "10", "15", "20", "25",
                                         "30" }
                                  << QList<Colour> { 0xFFFFFF, 0xC0C0FF, 0x8080FF, 0x4040FF, 0xC0, 0x80, 0x40 };
        QTest::newRow("spheres") << 3 << QStringList { "DEVELOPMENT SPHERE KEY", "0-9", "10-19", "20-30" }
                                 << QList<Colour> { 0xFFCD70, 0xFF9000, 0x6E001B };
        QTest::newRow("unknown") << 9 << QStringList {} << QList<Colour> {};
    }
    void keyPerColourCode()
    {
        QFETCH(int, colmode);
        QFETCH(QStringList, texts);
        QFETCH(QList<Colour>, colours);
        MapFixture f;
        f.model.view.colmode = colmode;
        RecordingSurface surface;
        surface.FontSize = 10; // left by the grid pass
        drawpanels(f.model, surface);
        QCOMPARE(surface.printed().mid(3), texts);
        const auto dots = surface.ofKind(Kind::Circle);
        QCOMPARE(int(dots.size()), colours.size());
        const int parts = colours.size() + 1; // the key width is split one part more than there are entries
        for (int j = 0; j < colours.size(); ++j) {
            QCOMPARE(float(dots[size_t(j)].x1), float(108 + 66.5 * (j + 1) / parts));
            QCOMPARE(QList<double>({ dots[size_t(j)].y1, dots[size_t(j)].x2 }), QList<double>({ 20, 2 }));
            QCOMPARE(dots[size_t(j)].fillColour, colours[j]);
            const RecordedOp caption = surface.firstPrint(texts[j + 1]);
            QCOMPARE(QList<double>({ caption.y1, caption.fontSize, double(caption.fontBold) }),
                QList<double>({ 22, 10, 1 }));
        }
    }

    void listGeometry_data()
    {
        QTest::addColumn<bool>("ids");
        QTest::addColumn<double>("rowLeft");
        QTest::newRow("with ID numbers") << true << 178.0;
        QTest::newRow("without ID numbers") << false << 188.0;
    }
    void listGeometry()
    {
        QFETCH(bool, ids);
        MapFixture f;
        f.model.view.idsflag = ids;
        f.model.view.wysflag = true;
        f.model.view.fscale = 1.25; // list font 11.25: lines 4.5 high, rounded to the even 4
        RecordingSurface surface;
        StarList list(f.model, surface);
        QCOMPARE(QList<double>({ surface.FontSize, list.lineHeight() }), QList<double>({ 11.25, 4 }));
        const QStringList columns { "Star Designation", "X", "Y", "Z", "SC", "LY", "PC" };
        QCOMPARE(surface.printed(), ids ? QStringList { "Ref" } + columns : columns);
        QCOMPARE(surface.firstPrint(QStringLiteral("Ref")).x1, ids ? 180.0 : 0.0);
        QVERIFY(surface.firstPrint(QStringLiteral("PC")).fontBold);
        const RecordedOp header = surface.ops.front();
        QTEST(header.x1, "rowLeft");
        QCOMPARE(QList<double>({ header.y1, header.x2, header.y2, double(header.colour) }),
            QList<double>({ 2, 278, 6, 0xFFFFFF }));
        // Row 3: the click area always starts at 178, the row box where the columns start.
        const HitArea row = list.drawrow(f.star("Wolf 359"), 3, QStringLiteral("3"));
        QCOMPARE(row.rect, QRectF(178, 14, 98, 4));
        const auto rowBox = surface.ofKind(Kind::FilledBox).back();
        QTEST(rowBox.x1, "rowLeft");
        QCOMPARE(QList<double>({ rowBox.y1, rowBox.x2, rowBox.y2 }), QList<double>({ 14, 278, 18 }));
        QCOMPARE(surface.printed().contains(QStringLiteral("3")), ids);
    }

    void rowColoursAndMarks()
    {
        MapFixture f;
        f.model.view.fscale = 1.25;
        const int cygni = f.star("61 Cygni A"), sol = f.star("Sol"), wolf = f.star("Wolf 359");
        for (const bool light : { false, true }) {
            f.model.view.wysflag = light;
            RecordingSurface surface;
            StarList list(f.model, surface);
            // Printer mode: cyan odd rows, white even rows, black text; dark: black rows in the star's
            // colour. The selected row is a red bar with white text in both.
            const struct
            {
                int star, k;
                Colour background, text;
            } rows[] = { { cygni, 1, light ? 0xFFFF00u : 0u, light ? 0u : 0x00FF00u },
                { wolf, 2, light ? 0xFFFFFFu : 0u, light ? 0u : 0x00FFFFu }, { sol, 3, 0xFFu, 0xFFFFFFu } };
            for (const auto &row : rows) {
                const size_t from = surface.ops.size();
                list.drawrow(row.star, row.k, QString());
                QCOMPARE(surface.ops[from + (row.star == sol ? 1 : 0)].colour, row.background);
                QCOMPARE(surface.ops.back().colour, row.text);
            }
            // The row texts; "R" is bold at the list size, "*" plain at 18 x fscale rounded.
            QCOMPARE(surface.printed().mid(7, 7), QStringList({ "61 Cygni A", "6", "-6", "-7", "K5", "11", "R" }));
            const auto marks
                = surface.where([](const RecordedOp &op) { return op.kind == Kind::Print && op.x1 == 271; });
            QCOMPARE(marks.size(), 3u); // the heading and the two marks
            QCOMPARE(QList<double>({ marks[1].fontSize, double(marks[1].fontBold), marks[2].fontSize,
                         double(marks[2].fontBold) }),
                QList<double>({ 11.25, 1, 22, 0 }));
        }
    }

    void tooltipsInBothForms()
    {
        MapFixture f;
        f.model.view.colmode = 2;
        RecordingSurface surface;
        QCOMPARE(drawstars(f.model, surface).markers.at(0).toolTip,
            QStringLiteral("Distance From Sol to 61 Cygni A = 11 Ly"));
        f.model.view.selstar = -1;
        RecordingSurface none;
        const MapFrame frame = drawstars(f.model, none);
        QCOMPARE(frame.markers.at(0).toolTip, QStringLiteral("61 Cygni A 6,-6,-7 K5 R"));
        QCOMPARE(frame.markers.at(2).toolTip, QStringLiteral("AC +79° -3,0,16 dM4 "));
        // The distance key stays, and every listed distance reads -1.
        QVERIFY(none.printed().contains(QStringLiteral("DISTANCE FROM SELECTED KEY")));
        const auto distances = none.where([](const RecordedOp &op) { return op.x1 == 265 && op.y1 > 2; });
        QCOMPARE(distances.size(), 36u);
        QVERIFY(std::all_of(distances.begin(), distances.end(), [](const RecordedOp &op) { return op.text == "-1"; }));
    }
};

QTEST_GUILESS_MAIN(TestKeyList)
#include "tst_keylist.moc"
