#include "catalogue/startable.h"
#include "generator/callbacknotesbox.h"
#include "generator/clockrandom.h"
#include "generator/gensystem.h"
#include "support/scriptedrandom.h"

#include <QRegularExpression>
#include <QTest>

#include <numeric>

// Pearson's chi-square of `draws` rolls of randomInt(low, high) against the uniform distribution.
static double chiSquare(RandomSource &random, int low, int high, int draws)
{
    QList<double> counts(high - low + 1);
    for (int i = 0; i < draws; ++i) {
        const int roll = random.randomInt(low, high);
        if (roll < low || roll > high)
            return qInf();
        ++counts[roll - low];
    }
    // The sum of (count - draws / n)^2 / (draws / n) over the n counts, simplified.
    return std::inner_product(counts.begin(), counts.end(), counts.begin(), 0.0) * counts.size() / draws - draws;
}

class TestGenSystem : public QObject
{
    Q_OBJECT
private slots:
    void scriptedSystems()
    {
        // Orbit 1: presence 3+4, column 6, row 2, day 4, atmosphere 6, temperature 4, hydro 8; orbit 2: presence 10+10.
        // Then orbit 3: an asteroid belt, whose missing atmosphere skips the hydro roll; orbit 4: presence 9+9.
        ScriptedRandom random({ 3, 4, 6, 2, 4, 6, 4, 8, 10, 10, 1, 1, 4, 8, 0, 5, 5, 9, 9 });
        QString text = "unsaved notes";
        CallbackNotesBox box([&] { return text; }, [&](const QString &written) { text = written; });
        StarRecord star;
        star.spectralClass = "G2";
        const auto generate = [&](int firstOrbit, int lastOrbit) {
            star.firstOrbit = qint16(firstOrbit);
            star.lastOrbit = qint16(lastOrbit);
            generateSystem(star, random, box);
            return text;
        };
        QCOMPARE(generate(1, 2),
            QStringLiteral("Creating System\r\nPlanet 1 6er\r\nGravity = 1.3\r\nDay = 24\r\n"
                           "Atmosphere = Normal Contaminated\r\nTemperature = 100\r\nHydro Percentage = 60\r\n\r\n"));
        QCOMPARE(generate(3, 4),
            QStringLiteral("Creating System\r\nPlanet 3 ahr\r\nGravity = None\r\nDay = 4\r\nAtmosphere = None\r\n"
                           "Temperature = -25\r\nHydro Percentage = 0\r\n\r\n"));
        QCOMPARE(generate(5, 4), QStringLiteral("Creating System\r\n")); // an empty orbit range
        // Per planet: presence, presence, column, row, day, atmosphere, temperature, hydro.
        const std::pair<int, int> d { 1, 10 }, day { 0, 9 };
        QCOMPARE(
            random.calls(), ScriptedRandom::Calls({ d, d, d, d, day, d, d, d, d, d, d, d, d, d, day, d, d, d, d }));
    }

    void catalogueProperties()
    {
        // 9 degrees of freedom: 40 is passed by chance about once in 200000 runs; a frozen clock must not freeze rolls.
        ClockRandom random;
        ClockRandom frozen([] { return qint64(42); });
        QCOMPARE_LT(chiSquare(random, 1, 10, 20000), 40.0);
        QCOMPARE_LT(chiSquare(frozen, 0, 9, 20000), 40.0);

        // An empty value is what a lookup outside its table gives, so every value must be non-empty.
        static const QRegularExpression block(
            QStringLiteral("Planet (\\d+) ([1-9a])([eth])[rp]\r\nGravity = [^\r\n]+\r\nDay = [^\r\n]+\r\nAtmosphere = "
                           "([^\r\n]+)\r\nTemperature = [^\r\n]+\r\nHydro Percentage = (0|20|40|60|80|100)\r\n\r\n"));
        const QString heading = QStringLiteral("Creating System\r\n");
        const StarTable table = StarTable::fromCatalogue();
        int planets = 0;
        QString text;
        CallbackNotesBox box([&] { return text; }, [&](const QString &written) { text = written; });
        for (const StarRecord &star : table.stars()) {
            for (int run = 0; run < 20; ++run) {
                generateSystem(star, random, box);
                QVERIFY(text.startsWith(heading));
                int lastOrbit = star.firstOrbit - 1;
                for (qsizetype at = heading.size(); at < text.size(); ++planets) {
                    const auto m = block.match(
                        text, at, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
                    QVERIFY2(m.hasMatch(), qPrintable(text.mid(at)));
                    QVERIFY(m.captured(1).toInt() > lastOrbit && m.captured(1).toInt() <= star.lastOrbit);
                    lastOrbit = m.captured(1).toInt();
                    QVERIFY(!QStringLiteral("a1").contains(m.captured(2)) || m.captured(4) == u"None");
                    QVERIFY(m.captured(3) != u"h" || m.captured(5) == u"0");
                    at = m.capturedEnd();
                }
                QVERIFY(text == heading || !QStringList({ "DA", "DF", "dM" }).contains(star.spectralClass));
            }
        }
        QVERIFY(planets > 0);
    }
};

QTEST_APPLESS_MAIN(TestGenSystem)
#include "tst_gensystem.moc"
