#include "catalogue/startable.h"
#include "generator/clockrandom.h"
#include "generator/gensystem.h"
#include "generator/notesbox.h"
#include "support/scriptedrandom.h"

#include <QRegularExpression>
#include <QTest>

#include <array>

namespace {

// A notes box that keeps every text written to it.
class MemoryBox : public NotesBox
{
public:
    QString text() const override { return m_writes.isEmpty() ? QString() : m_writes.last(); }
    void setText(const QString &text) override { m_writes.append(text); }
    QStringList m_writes;
};

starrec starOf(const QString &sclass, int firstorb, int lastorb)
{
    starrec star;
    star.sclass = sclass;
    star.firstorb = static_cast<qint16>(firstorb);
    star.lastorb = static_cast<qint16>(lastorb);
    return star;
}

using Calls = std::vector<std::pair<int, int>>;

// Pearson's chi-square of `draws` rolls of randint(low, high) against the uniform distribution.
double chiSquare(RandomSource &random, int low, int high, int draws)
{
    std::vector<int> counts(static_cast<size_t>(high - low + 1));
    for (int i = 0; i < draws; ++i) {
        const int roll = random.randint(low, high);
        if (roll < low || roll > high)
            return qInf();
        ++counts[static_cast<size_t>(roll - low)];
    }
    const double expected = double(draws) / counts.size();
    double sum = 0;
    for (int count : counts)
        sum += (count - expected) * (count - expected) / expected;
    return sum;
}

} // namespace

class TestGenSystem : public QObject
{
    Q_OBJECT
private slots:
    void workedExample();
    void drawOrderAndLineByLine();
    void emptyOrbitRange();
    void randintIsUniform();
    void catalogueProperties();
};

void TestGenSystem::workedExample()
{
    // Orbit 1: presence 3+4, column 6, row 2, day 4, atmosphere 6, temperature 4, hydro 8.
    // Orbit 2: presence 10+10 refuses the planet.
    ScriptedRandom random({ 3, 4, 6, 2, 4, 6, 4, 8, 10, 10 });
    MemoryBox box;
    box.setText(QStringLiteral("unsaved notes"));
    gensystem(starOf(QStringLiteral("G2"), 1, 2), random, box);
    QCOMPARE(box.text(),
        QStringLiteral("Creating System\r\nPlanet 1 6er\r\nGravity = 1.3\r\nDay = 24\r\n"
                       "Atmosphere = Normal Contaminated\r\nTemperature = 100\r\nHydro Percentage = 60\r\n\r\n"));
    QCOMPARE(random.remaining(), size_t(0));
    QCOMPARE(random.faults(), 0);
}

void TestGenSystem::drawOrderAndLineByLine()
{
    // Orbit 2 a planet with an atmosphere, orbit 3 empty, orbit 4 an asteroid belt (no hydro roll).
    ScriptedRandom random({ 1, 1, 6, 2, 4, 6, 4, 8, 9, 9, 1, 1, 4, 8, 0, 5, 5 });
    MemoryBox box;
    gensystem(starOf(QStringLiteral("G2"), 2, 4), random, box);
    const Calls presence { { 1, 10 }, { 1, 10 } };
    Calls planet = presence;
    planet.insert(planet.end(), { { 1, 10 }, { 1, 10 }, { 0, 9 }, { 1, 10 }, { 1, 10 } });
    Calls expected = planet;
    expected.push_back({ 1, 10 });
    expected.insert(expected.end(), presence.begin(), presence.end());
    expected.insert(expected.end(), planet.begin(), planet.end());
    QCOMPARE(random.calls(), expected);
    QCOMPARE(random.faults(), 0);

    // One write for the heading, then one per line, each adding exactly one line to the last.
    QCOMPARE(box.m_writes.size(), 1 + 2 * 7);
    for (int i = 1; i < box.m_writes.size(); ++i) {
        const QString &before = box.m_writes.at(i - 1);
        QVERIFY(box.m_writes.at(i).startsWith(before));
        const QString added = box.m_writes.at(i).mid(before.size());
        QVERIFY2(added.endsWith(u"\r\n") && added.count(u'\n') == 1, qPrintable(added));
    }
    QVERIFY(box.text().contains(u"Planet 2 4er\r\n") && box.text().contains(u"Planet 4 ahr\r\n"));
    QVERIFY(box.text().endsWith(u"Atmosphere = None\r\nTemperature = -25\r\nHydro Percentage = 0\r\n\r\n"));
}

void TestGenSystem::emptyOrbitRange()
{
    ScriptedRandom random;
    MemoryBox box;
    box.setText(QStringLiteral("old"));
    gensystem(starOf(QStringLiteral("G2"), 5, 4), random, box);
    QCOMPARE(box.text(), QStringLiteral("Creating System\r\n"));
    QVERIFY(random.calls().empty());
}

void TestGenSystem::randintIsUniform()
{
    // 9 degrees of freedom: 40 is exceeded by chance about once in 200000 runs. The frozen clock
    // checks that a roll does not depend on the clock alone.
    ClockRandom clocked;
    ClockRandom frozen([] { return qint64(42); });
    QCOMPARE_LT(chiSquare(clocked, 1, 10, 20000), 40.0);
    QCOMPARE_LT(chiSquare(clocked, 0, 9, 20000), 40.0);
    QCOMPARE_LT(chiSquare(frozen, 1, 10, 20000), 40.0);
}

void TestGenSystem::catalogueProperties()
{
    static const QRegularExpression planetLine(QStringLiteral("^Planet (\\d+) ([1-9a][eth][rp])$"));
    const QStringList gravities { "None", "Trace", "0.2", "0.4", "0.7", "1.0", "1.3", "1.7", "2.0", "2.5" };
    const std::array<QStringList, 3> days { QStringList { "12", "15", "18", "21", "24", "27", "30", "33", "36" },
        QStringList { "6", "9", "12", "15", "18", "24", "36", "48", "60", "72" },
        QStringList { "4", "6", "8", "N", "72", "4d", "6d", "8d", "10d" } };
    const QStringList atmospheres { "None", "Thin", "Thin Contaminated", "Normal", "Normal Contaminated", "Poisonous",
        "Corrosive" };
    const std::array<QStringList, 3> temperatures { QStringList { "125", "100", "75", "50", "25", "0" },
        QStringList { "175", "150", "125", "100", "25", "0", "-25", "-50" },
        QStringList { "200 and higher", "200", "175", "150", "-25", "-50", "-75", "-75 and lower" } };
    const QString environments = QStringLiteral("eth");
    const StarTable table = StarTable::fromCatalogue();
    ClockRandom random;
    int planets = 0;
    for (const starrec &star : table.stars()) {
        for (int run = 0; run < 20; ++run) {
            MemoryBox box;
            gensystem(star, random, box);
            const QStringList lines = box.text().split(QStringLiteral("\r\n"));
            QCOMPARE(lines.first(), QStringLiteral("Creating System"));
            QVERIFY(lines.last().isEmpty());
            QCOMPARE((lines.size() - 2) % 7, 0);
            int lastOrbit = star.firstorb - 1;
            for (int at = 1; at + 1 < lines.size(); at += 7, ++planets) {
                const auto match = planetLine.match(lines.at(at));
                QVERIFY2(match.hasMatch(), qPrintable(lines.at(at)));
                const int orbit = match.captured(1).toInt();
                QVERIFY(orbit > lastOrbit && orbit <= star.lastorb);
                lastOrbit = orbit;
                const QString code = match.captured(2);
                const int env = static_cast<int>(environments.indexOf(code.at(1)));
                QVERIFY(gravities.contains(lines.at(at + 1).mid(10)));
                QVERIFY2(days[env].contains(lines.at(at + 2).mid(6)), qPrintable(lines.at(at + 2)));
                const QString atmosphere = lines.at(at + 3).mid(13);
                QVERIFY(atmospheres.contains(atmosphere));
                QVERIFY(code.at(0) > u'1' || atmosphere == u"None");
                QVERIFY2(temperatures[env].contains(lines.at(at + 4).mid(14)), qPrintable(lines.at(at + 4)));
                const QString hydro = lines.at(at + 5).mid(19);
                QVERIFY2(QStringList({ "0", "20", "40", "60", "80", "100" }).contains(hydro), qPrintable(hydro));
                QVERIFY(env != 2 || hydro == u"0");
                QVERIFY(lines.at(at + 6).isEmpty());
            }
            if (star.sclass == u"DA" || star.sclass == u"DF" || star.sclass == u"dM")
                QCOMPARE(lines.size(), 2);
        }
    }
    QVERIFY(planets > 0);
}

QTEST_APPLESS_MAIN(TestGenSystem)
#include "tst_gensystem.moc"
