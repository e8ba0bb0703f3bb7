#include "mapfixture.h"
#include "mapview/colours.h"
#include "mapview/primitives.h"
#include "support/recordingsurface.h"

#include <QtTest>

#include <cmath>

class TestPrimitives : public QObject
{
    Q_OBJECT
private slots:
    void signfmtFormats_data();
    void signfmtFormats();
    void inrangeIncludesBothEnds();
    void stardistMeasuresWholeCoordinates();
    void qprintAppliesAndRestores_data();
    void qprintAppliesAndRestores();
    void dlegCentresCaptionUnderDot();
    void colourBands_data();
    void colourBands();
    void starcolFollowsColourCode_data();
    void starcolFollowsColourCode();
};

void TestPrimitives::signfmtFormats_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    const std::pair<int, const char *> cases[] = { { 5, "+05" }, { 15, "+15" }, { 0, "00" }, { -7, "-07" },
        { -25, "-25" }, { 100, "+100" }, { -40, "-40" }, { 40, "+40" } };
    for (const auto &[value, text] : cases)
        QTest::addRow("%d", value) << value << QString::fromLatin1(text);
}

void TestPrimitives::signfmtFormats()
{
    QFETCH(int, value);
    QTEST(signfmt(value), "text");
}

void TestPrimitives::inrangeIncludesBothEnds()
{
    QVERIFY(inrange(3, 18, 3));
    QVERIFY(inrange(3, 18, 18));
    QVERIFY(!inrange(3, 18, 19));
    QVERIFY(!inrange(3, 18, 2.999f));
}

void TestPrimitives::stardistMeasuresWholeCoordinates()
{
    MapFixture f;
    const int sol = f.star("Sol");
    QCOMPARE(stardist(f.table, sol, sol), 0.0);
    QCOMPARE(stardist(f.table, -1, 5), -1.0);
    QCOMPARE(stardist(f.table, 5, -1), -1.0);
    // (-2, -1, -4) from the origin; the plotting nudge of the shared cell plays no part.
    QCOMPARE(stardist(f.table, sol, f.star("Alpha Centauri B")), std::sqrt(21.0));
    // 61 Cygni A and B share the cell (6, -6) and differ only in Z: -7 and 7.
    QCOMPARE(stardist(f.table, f.star("61 Cygni A"), f.star("61 Cygni B")), 14.0);
}

void TestPrimitives::qprintAppliesAndRestores_data()
{
    QTest::addColumn<qint64>("colour");
    QTest::addColumn<float>("centre");
    QTest::addColumn<Colour>("printedColour");
    QTest::addColumn<double>("printedX");
    // The text "0123456789" is 20 units wide at size 10.
    QTest::newRow("colour 0 keeps ForeColor") << qint64(0) << 0.0f << Colour(0x123456) << 7.0;
    QTest::newRow("negative colour keeps ForeColor") << qint64(-5) << -1.0f << Colour(0x123456) << 7.0;
    QTest::newRow("colour applied, centred on 69") << qint64(255) << 69.0f << Colour(255) << 59.0;
}

void TestPrimitives::qprintAppliesAndRestores()
{
    QFETCH(qint64, colour);
    QFETCH(float, centre);
    RecordingSurface surface;
    surface.ForeColor = 0x123456;
    surface.FontSize = 8;
    surface.FontBold = false;
    qprint(surface, QStringLiteral("0123456789"), 7, 12, colour, QStringLiteral("Courier"), 10, true, centre);
    const RecordedOp op = surface.firstPrint(QStringLiteral("0123456789"));
    QTEST(op.colour, "printedColour");
    QTEST(op.x1, "printedX");
    QCOMPARE(op.y1, 12.0);
    QCOMPARE(op.fontSize, 10.0);
    QVERIFY(op.fontBold);
    QCOMPARE(surface.ForeColor, Colour(0x123456));
    QCOMPARE(surface.FontSize, 8.0);
    QCOMPARE(surface.FontName, QStringLiteral("Arial"));
    QVERIFY(!surface.FontBold);
}

void TestPrimitives::dlegCentresCaptionUnderDot()
{
    RecordingSurface surface;
    surface.FontSize = 12.5; // "10" is 5 wide: half 2.5 goes to the even 2
    surface.ForeColor = 0xA0A0A0;
    dleg(QStringLiteral("10"), 0xFF, 50, 20, 2, surface);
    const RecordedOp dot = surface.ofKind(RecordedOp::Kind::Circle).at(0);
    QCOMPARE(QList<double>({ dot.x1, dot.y1, dot.x2 }), QList<double>({ 50, 20, 2 }));
    QCOMPARE(dot.colour, Colour(0xA0A0A0));
    QCOMPARE(dot.fillStyle, 0);
    QCOMPARE(dot.fillColour, Colour(0xFF));
    const RecordedOp caption = surface.firstPrint(QStringLiteral("10"));
    QCOMPARE(caption.x1, 48.0);
    QCOMPARE(caption.y1, 22.0);
    QVERIFY(caption.fontBold && surface.FontBold);
    QCOMPARE(surface.FillStyle, 0);
}

void TestPrimitives::colourBands_data()
{
    QTest::addColumn<Colour>("actual");
    QTest::addColumn<Colour>("expected");
    const Colour blue = 0xFF0000, green = 0x00FF00, yellow = 0x00FFFF, orange = 0x0080FF, cyan = 0xFFFF00;
    const std::pair<int, Colour> z[] = { { -41, cyan }, { -40, blue }, { -11, blue }, { -10, green }, { -1, green },
        { 0, yellow }, { 10, yellow }, { 11, orange }, { 40, orange }, { 41, cyan } };
    for (const auto &[value, colour] : z)
        QTest::addRow("zcol %d", value) << zcol(static_cast<qint16>(value)) << colour;
    const std::pair<const char *, Colour> types[]
        = { { "K0", orange }, { "DA5", 0xFFFFFF }, { "DG8", 0x33CCFF }, { "GK", orange }, { "KG", orange },
              { "dM4", 0x0000FF }, { "O5", blue }, { "BO", cyan }, { "F8", 0x99FFFF }, { "", 0 }, { "k5", 0 } };
    for (const auto &[text, colour] : types)
        QTest::addRow("stypecol '%s'", text) << stypecol(QString::fromLatin1(text)) << colour;
    const std::pair<double, Colour> dist[] = {
        { -1, 0xFFFFFF },
        { 4.99, 0xFFFFFF },
        { 5, 0xC0C0FF },
        { 9.99, 0xC0C0FF },
        { 9.995, 0 },
        { 10, 0x8080FF },
        { 14.99, 0x8080FF },
        { 14.995, 0 },
        { 15, 0x4040FF },
        { 19.99, 0x4040FF },
        { 20, 0x0000C0 },
        { 24.99, 0x0000C0 },
        { 24.995, 0 },
        { 25, 0x000080 },
        { 29.99, 0x000080 },
        { 29.995, 0 },
        { 30, 0x000040 },
        { 45, 0x000040 },
    };
    for (const auto &[value, colour] : dist)
        QTest::addRow("distcol %g", value) << distcol(value) << colour;
    const std::pair<int, Colour> sol[]
        = { { -3, 0xFFCD70 }, { 9, 0xFFCD70 }, { 10, 0xFF9000 }, { 19, 0xFF9000 }, { 20, 0x6E001B }, { 30, 0x6E001B } };
    for (const auto &[value, colour] : sol)
        QTest::addRow("d2solcol %d", value) << d2solcol(static_cast<qint16>(value)) << colour;
}

void TestPrimitives::colourBands()
{
    QFETCH(Colour, actual);
    QFETCH(Colour, expected);
    QCOMPARE(QString::number(actual, 16), QString::number(expected, 16));
}

void TestPrimitives::starcolFollowsColourCode_data()
{
    QTest::addColumn<QString>("star");
    QTest::addColumn<int>("colmode");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<Colour>("colour");
    QTest::newRow("Z") << "61 Cygni A" << 0 << "Sol" << zcol(-7);
    QTest::newRow("spectral") << "61 Cygni B" << 1 << "Sol" << stypecol(QStringLiteral("K7"));
    QTest::newRow("distance, the selected star itself") << "Sol" << 2 << "Sol" << Colour(0xFFFFFF);
    QTest::newRow("distance 11") << "61 Cygni A" << 2 << "Sol" << Colour(0x8080FF);
    QTest::newRow("distance, nothing selected") << "61 Cygni A" << 2 << "" << Colour(0xFFFFFF);
    // The catalogue's own distance from Sol (20 for Delta Pavonis), not the computed 19.7.
    QTest::newRow("sphere") << "Delta Pavonis" << 3 << "Sol" << Colour(0x6E001B);
    QTest::newRow("unknown mode") << "Sol" << 4 << "Sol" << Colour(0);
}

void TestPrimitives::starcolFollowsColourCode()
{
    QFETCH(QString, star);
    QFETCH(QString, selected);
    MapFixture f;
    f.model.view.selstar = f.star(selected);
    QFETCH(int, colmode);
    f.model.view.colmode = colmode;
    QTEST(starcol(f.model, f.star(star)), "colour");
}

QTEST_GUILESS_MAIN(TestPrimitives)
#include "tst_primitives.moc"
