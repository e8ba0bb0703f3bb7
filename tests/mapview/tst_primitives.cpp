#include "mapfixture.h"
#include "mapview/colours.h"
#include "mapview/primitives.h"
#include "support/recordingsurface.h"

#include <QtTest>

#include <cmath>

namespace {

QString hex(Colour colour)
{
    return QString::number(colour, 16);
}

} // namespace

class TestPrimitives : public QObject
{
    Q_OBJECT
private slots:
    // Every value case as (computed, expected) text, so one table covers the formats, the distance
    // and every band edge of the four colour codes.
    void values_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        const auto row = [](const QString &name, const QString &actual, const char *expected) {
            QTest::newRow(qPrintable(name)) << actual << QString::fromLatin1(expected);
        };
        for (const auto &[v, text] : { std::pair { 5, "+05" }, { 15, "+15" }, { 0, "00" }, { -7, "-07" },
                 { -25, "-25" }, { 100, "+100" }, { -40, "-40" }, { 40, "+40" } })
            row(QStringLiteral("signfmt %1").arg(v), signfmt(v), text);
        row(QStringLiteral("inrange low end"), QString::number(inrange(3, 18, 3)), "1");
        row(QStringLiteral("inrange high end"), QString::number(inrange(3, 18, 18)), "1");
        row(QStringLiteral("inrange above"), QString::number(inrange(3, 18, 19)), "0");

        MapFixture f;
        const int sol = f.star("Sol");
        row(QStringLiteral("stardist self"), QString::number(stardist(f.table, sol, sol)), "0");
        row(QStringLiteral("stardist none first"), QString::number(stardist(f.table, -1, 5)), "-1");
        row(QStringLiteral("stardist none second"), QString::number(stardist(f.table, 5, -1)), "-1");
        // Alpha Centauri B sits at (-2, -1, -4); its shared-cell plotting nudge plays no part.
        row(QStringLiteral("stardist whole co-ordinates"),
            QString::number(stardist(f.table, sol, f.star("Alpha Centauri B")) - std::sqrt(21.0)), "0");

        const char *blue = "ff0000", *green = "ff00", *yellow = "ffff", *orange = "80ff", *cyan = "ffff00";
        for (const auto &[z, colour] : { std::pair { -41, cyan }, { -40, blue }, { -11, blue }, { -10, green },
                 { -1, green }, { 0, yellow }, { 10, yellow }, { 11, orange }, { 40, orange }, { 41, cyan } })
            row(QStringLiteral("zcol %1").arg(z), hex(zcol(qint16(z))), colour);
        for (const auto &[text, colour] :
            { std::pair { "K0", orange }, { "DA5", "ffffff" }, { "DG8", "33ccff" }, { "GK", orange }, { "KG", orange },
                { "dM4", "ff" }, { "O5", blue }, { "BO", cyan }, { "F8", "99ffff" }, { "", "0" }, { "k5", "0" } })
            row(QStringLiteral("stypecol '%1'").arg(text), hex(stypecol(QString::fromLatin1(text))), colour);
        for (const auto &[d, colour] : { std::pair { -1.0, "ffffff" }, { 4.99, "ffffff" }, { 5.0, "c0c0ff" },
                 { 9.99, "c0c0ff" }, { 9.995, "0" }, { 10.0, "8080ff" }, { 14.99, "8080ff" }, { 14.995, "0" },
                 { 15.0, "4040ff" }, { 19.99, "4040ff" }, { 20.0, "c0" }, { 24.99, "c0" }, { 24.995, "0" },
                 { 25.0, "80" }, { 29.99, "80" }, { 29.995, "0" }, { 30.0, "40" }, { 45.0, "40" } })
            row(QStringLiteral("distcol %1").arg(d), hex(distcol(d)), colour);
        for (const auto &[d, colour] : { std::pair { -3, "ffcd70" }, { 9, "ffcd70" }, { 10, "ff9000" },
                 { 19, "ff9000" }, { 20, "6e001b" }, { 30, "6e001b" } })
            row(QStringLiteral("d2solcol %1").arg(d), hex(d2solcol(qint16(d))), colour);

        // starcol by mode: Z, spectral, distance from the selected star, catalogue distance from Sol.
        const auto starcolOf = [&](const char *name, int colmode, int selstar) {
            f.model.view.colmode = colmode;
            f.model.view.selstar = selstar;
            return hex(starcol(f.model, f.star(name)));
        };
        row(QStringLiteral("starcol Z"), starcolOf("61 Cygni A", 0, sol), green);
        row(QStringLiteral("starcol spectral"), starcolOf("61 Cygni B", 1, sol), orange);
        row(QStringLiteral("starcol selected itself"), starcolOf("Sol", 2, sol), "ffffff");
        row(QStringLiteral("starcol distance 11"), starcolOf("61 Cygni A", 2, sol), "8080ff");
        row(QStringLiteral("starcol nothing selected"), starcolOf("61 Cygni A", 2, -1), "ffffff");
        // Delta Pavonis is 19.7 from Sol by its co-ordinates but 20 in the catalogue, which decides.
        row(QStringLiteral("starcol sphere"), starcolOf("Delta Pavonis", 3, sol), "6e001b");
        row(QStringLiteral("starcol unknown mode"), starcolOf("Sol", 4, sol), "0");
    }
    void values()
    {
        QFETCH(QString, actual);
        QTEST(actual, "expected");
    }

    void qprintAppliesAndRestores_data()
    {
        QTest::addColumn<qint64>("colour");
        QTest::addColumn<float>("centre");
        QTest::addColumn<Colour>("printedColour");
        QTest::addColumn<double>("printedX");
        // "0123456789" is 20 units wide at size 10.
        QTest::newRow("colour 0 keeps ForeColor") << qint64(0) << 0.0f << Colour(0x123456) << 7.0;
        QTest::newRow("negative colour keeps ForeColor") << qint64(-5) << -1.0f << Colour(0x123456) << 7.0;
        QTest::newRow("colour applied, centred on 69") << qint64(255) << 69.0f << Colour(255) << 59.0;
    }
    void qprintAppliesAndRestores()
    {
        QFETCH(qint64, colour);
        QFETCH(float, centre);
        RecordingSurface surface;
        surface.ForeColor = 0x123456;
        surface.FontSize = 8;
        qprint(surface, QStringLiteral("0123456789"), 7, 12, colour, QStringLiteral("Courier"), 10, true, centre);
        const RecordedOp op = surface.ops.at(0);
        QTEST(op.colour, "printedColour");
        QTEST(op.x1, "printedX");
        QCOMPARE(QList<double>({ op.y1, op.fontSize, double(op.fontBold) }), QList<double>({ 12, 10, 1 }));
        QCOMPARE(surface.ForeColor, Colour(0x123456));
        QCOMPARE(surface.FontSize, 8.0);
        QCOMPARE(surface.FontName, QStringLiteral("Arial"));
        QVERIFY(!surface.FontBold);
    }

    void dlegCentresCaptionUnderDot()
    {
        RecordingSurface surface;
        surface.FontSize = 12.5; // "10" is 5 wide: half 2.5 goes to the even 2
        surface.ForeColor = 0xA0A0A0;
        dleg(QStringLiteral("10"), 0xFF, 50, 20, 2, surface);
        const RecordedOp dot = surface.ops.at(0);
        QCOMPARE(dot.kind, RecordedOp::Kind::Circle);
        QCOMPARE(dot.corners(), QList<double>({ 50, 20, 2, 0 }));
        QCOMPARE(
            QList<Colour>({ dot.colour, Colour(dot.fillStyle), dot.fillColour }), QList<Colour>({ 0xA0A0A0, 0, 0xFF }));
        const RecordedOp caption = surface.ops.at(1);
        QCOMPARE(QList<double>({ caption.x1, caption.y1 }), QList<double>({ 48, 22 }));
        QVERIFY(caption.fontBold && surface.FontBold);
        QCOMPARE(surface.FillStyle, 0);
    }
};

QTEST_GUILESS_MAIN(TestPrimitives)
#include "tst_primitives.moc"
