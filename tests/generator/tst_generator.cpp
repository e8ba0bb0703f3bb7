#include "catalogue/startable.h"
#include "generator/callbacknotesbox.h"
#include "generator/clockrandom.h"
#include "generator/gensystem.h"
#include "generator/planetlookups.h"
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

// Runs one lookup on its arguments, the star class first where it takes a star.
static QString run(const QString &lookup, const QStringList &args, RandomSource &random)
{
    StarRecord star;
    star.spectralClass = args.value(0);
    const int orbit = args.value(1).toInt();
    return lookup == u"key"   ? subclassKey(star.spectralClass)
        : lookup == u"zone"   ? orbitZone(star, orbit)
        : lookup == u"planet" ? QString::number(int(rollPlanet(star, random)))
        : lookup == u"code"   ? planetCode(star, orbit, random)
        : lookup == u"grav"   ? gravityText(args.value(0))
        : lookup == u"day"    ? dayLengthText(args.value(0), random)
        : lookup == u"atmos"  ? atmosphereText(args.value(0), random)
        : lookup == u"temp"   ? temperatureText(star, orbit, args.value(2), random)
                              : QString::number(hydroPercentage(args.value(0), args.value(1), args.value(2), random));
}

// The lookups of the system generator one by one, then whole systems.
class TestGenerator : public QObject
{
    Q_OBJECT
private slots:
    void lookups_data()
    {
        QTest::addColumn<QString>("lookup");
        QTest::addColumn<QString>("call");
        // A call reads "arguments:rolls=result", arguments and rolls each separated by '/'.
        const std::pair<const char *, QStringList> calls[] = {
            { "key", { "M=M0", "dK5=K5", "DA5=A5", "DA=DA", "dM=DM", "=", "dg8=G8" } },
            { "zone",
                { "A0/1=H", "DA/7=B", "A7/8=N", "F8/1=N", "DF/5=B", "F6/12=H", "G2/4=B", "G2/11=H", "DG8/13=", "K5/3=B",
                    "dK5/4=N", "K0/10=H", "dM4/1=B", "M/2=N", "M5/8=H", "FK/1=B", "GA/11=H", "G2/0=" } },
            // Presence (1 a planet): the totals either side of the limit at the ends of the table and where a key
            // range meets the next, the keys in no range, and 16/17/18 where exactly 17 also gives a planet.
            { "planet",
                { "A0:4/1=1", "A0:5/1=0", "A4:4/1=1", "A5:6/1=1", "A5:7/1=0", "M9:2/1=1", "M9:3/1=0", "DA:1/1=0",
                    "dM:1/1=0", ":1/1=0", "F5:10/6=0", "F5:10/7=1", "F5:10/8=0", "K9:10/7=1", "F4:10/7=0",
                    "M0:10/7=0" } },
            { "code",
                { "G2/1:6/2=6er", "G2/1:4/9=ahp", "G2/2:10/10=6tp", "K5/1:1/1=3er", "K5/3:2/3=4ep", "M5/12:10/1=9hr",
                    "DG8/13:1/5=2tp" } },
            { "grav", { "ahp=None", "1hr=Trace", "5tr=1.0", "9hr=2.5" } },
            { "day", { "5er:0=12", "5tr:0=6", "5hr:0=4", "5er:9=36", "5tr:9=72", "5hr:9=10d", "5xr:5=24" } },
            { "atmos",
                { "ahp:10=None", "1hr:10=None", "2er:1=Thin", "2tp:3=None", "2tp:4=Thin Contaminated", "4hr:5=None",
                    "4hr:6=Corrosive", "6er:6=Normal Contaminated", "6er:7=Poisonous", "9hr:10=Poisonous" } },
            { "temp",
                { "A0/2/5hr:1=200 and higher", "A0/3/5er:1=75", "DA5/7/5tr:10=0", "A7/8/5hr:10=-75 and lower",
                    "F8/1/5er:6=100", "DF/5/5er:6=50", "F5/6/5tr:1=0", "G2/1/6er:4=100", "G2/4/5tr:5=25",
                    "DG8/5/5hr:5=-50", "dK5/3/5hr:3=150", "K0/4/5er:1=50", "dM4/1/5er:10=25", "M/2/5tr:1=0" } },
            { "hydro",
                { "3er/50/Thin:10=40", "8er/75/Normal:9=100", "7ep/75/Normal:1=20", "2tp/0/Thin:10=20",
                    "7er/25/Normal:9=80", "6er/100/Thin:8=60", "3er/125/Thin:7=20", "5tr/150/Thin:10=0",
                    "5hr/-75 and lower/Thin:10=0", "5er/50/None=0", "6er/100/None=0" } },
        };
        for (const auto &[lookup, list] : calls) {
            for (const QString &call : list)
                QTest::addRow("%s %s", lookup, qPrintable(call)) << lookup << call;
        }
    }

    void lookups()
    {
        QFETCH(QString, lookup);
        QFETCH(QString, call);
        const QString given = call.section(u'=', 0, 0);
        std::vector<int> rolls;
        for (const QString &roll : given.section(u':', 1).split(u'/', Qt::SkipEmptyParts))
            rolls.push_back(roll.toInt());
        ScriptedRandom random(rolls);
        QCOMPARE(run(lookup, given.section(u':', 0, 0).split(u'/'), random), call.section(u'=', 1));
        const auto range = lookup == u"day" ? std::pair(0, 9) : std::pair(1, 10); // day lengths roll 0..9
        QCOMPARE(random.calls(), ScriptedRandom::Calls(rolls.size(), range));
    }

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

QTEST_APPLESS_MAIN(TestGenerator)
#include "tst_generator.moc"
