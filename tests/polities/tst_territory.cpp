#include "campaign/polities.h"
#include "catalogue/startable.h"
#include "polities/planeterritory.h"
#include "polities/shellterritory.h"
#include "polities/territoryrule.h"
#include "support/samplepolities.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <map>

namespace {

// Whether the point lies within `slack` of a decision the rule makes (a claim's edge, the margin
// or an even distance to two polities), where float and double arithmetic may fairly differ.
bool nearDecision(const std::vector<MemberStar> &members, double margin, const QVector3D &point, double slack)
{
    std::map<int, double> nearest;
    for (const MemberStar &m : members) {
        const double d = double(point.distanceToPoint(m.at));
        if (std::abs(d - double(m.claimRadius)) < slack)
            return true;
        if (d <= double(m.claimRadius)) {
            auto [it, fresh] = nearest.emplace(m.polity, d);
            if (!fresh)
                it->second = std::min(it->second, d);
        }
    }
    for (const auto &[p, d] : nearest)
        for (const auto &[q, e] : nearest)
            if (p != q && (std::abs(std::abs(d - e) - margin) < slack || std::abs(d - e) < slack))
                return true;
    return false;
}

} // namespace

class TestTerritory : public QObject
{
    Q_OBJECT
private slots:
    // A at (0,0,0) radius 5, B at (6,0,0) radius 5, margin 1; C at (0,-20,0) radius 2 and D at
    // (4,-20,0) radius 10: a short claim still wins where it reaches.
    void ruleAtPoints()
    {
        const std::vector<MemberStar> members = { { QVector3D(0, 0, 0), 0, 5.0f }, { QVector3D(6, 0, 0), 1, 5.0f },
            { QVector3D(0, -20, 0), 2, 2.0f }, { QVector3D(4, -20, 0), 3, 10.0f } };
        const int neutral = territory::kNeutral, unclaimed = territory::kUnclaimed;
        const std::tuple<const char *, float, float, int> points[] = { { "near A", 1, 0, 0 },
            { "halfway is neutral", 3, 0, neutral }, { "0.8 ly nearer B is neutral", 3.4f, 0, neutral },
            { "1.2 ly nearer B is B's", 3.6f, 0, 1 }, { "inside A's edge", 0, 4.9f, 0 },
            { "past A's edge", 0, 5.1f, unclaimed }, { "far from all", 20, 20, unclaimed },
            { "short claim holds its reach", 1, -20, 2 }, { "long claim beyond the short one", 2.5f, -20, 3 } };
        for (const auto &[name, x, y, holder] : points)
            QVERIFY2(holderAt(members, 1.0, QVector3D(x, y, 0)) == holder, name);
    }

    void membersComeFromPolities()
    {
        const StarTable table = StarTable::fromCatalogue();
        Polities polities(table.size());
        polities.list = { Polity { QStringLiteral("Held"), 0xFF0000, 4.0, {}, false },
            Polity { QStringLiteral("No reach"), 0x00FF00, 0.0, {}, false } };
        polities.memberOf[StarTable::kSol] = 0;
        polities.memberOf[21] = 1; // a polity without claim radius claims nothing
        polities.memberOf[40] = 7; // a polity that is not in the list is ignored
        const std::vector<MemberStar> members = memberStars(polities, table);
        QCOMPARE(members.size(), size_t(1));
        QCOMPARE(members[0].polity, 0);
        QCOMPARE(members[0].claimRadius, 4.0f);
        QCOMPARE(holderAt(members, 1.0, QVector3D(0, 0, 0)), 0);
    }

    // The plane's cells against the rule at their centres, on three planes over random cells.
    void planeMatchesRuleAtSampledCells()
    {
        const StarTable table = StarTable::fromCatalogue();
        const std::vector<MemberStar> members = memberStars(samplePolities(table), table);
        QRandomGenerator random(7);
        for (const auto &[z, margin] : { std::pair { 0.0, 1.0 }, { 3.0, 2.5 }, { -6.0, 0.0 } }) {
            const PlaneTerritory plane(members, margin, z);
            QVERIFY(plane.anyClaim());
            std::map<int, int> seen;
            int compared = 0;
            for (int k = 0; k < 20000; ++k) {
                const int column = random.bounded(plane.columns());
                const int row = random.bounded(plane.rows());
                const QPointF c = plane.cellCentre(column, row);
                const QVector3D point(float(c.x()), float(c.y()), float(z));
                if (nearDecision(members, margin, point, 1e-3))
                    continue;
                const int expected = holderAt(members, margin, point);
                QCOMPARE(plane.holder(column, row), expected);
                ++seen[expected < 0 ? expected : 0];
                ++compared;
            }
            // Nearly every sample compared, and they met held, neutral and unclaimed cells alike.
            QVERIFY(compared > 19000 && seen[0] > 100 && seen[territory::kUnclaimed] > 100);
            QVERIFY(margin == 0 || seen[territory::kNeutral] > 10);
            QCOMPARE(plane.holder(-1, 0), territory::kUnclaimed);
        }
    }

    // Every outline point lies on its polity's ground by the rule and on no other sphere of the same
    // polity; where claims overlap, parts are cut away, and twin stars share one outline.
    void shellsFollowTheRule()
    {
        const StarTable table = StarTable::fromCatalogue();
        const Polities polities = samplePolities(table);
        const std::vector<MemberStar> members = memberStars(polities, table);
        const ShellTerritory shells(members, polities.neutralMargin);
        std::map<int, int> perPolity;
        for (const ShellTerritory::Segment &s : shells.segments()) {
            ++perPolity[s.polity];
            for (const QVector3D &end : { s.from, s.to }) {
                QCOMPARE(holderAt(members, polities.neutralMargin, end), s.polity);
                int inside = 0;
                for (const MemberStar &m : members)
                    inside += m.polity == s.polity && end.distanceToPoint(m.at) < m.claimRadius * 0.99f ? 1 : 0;
                QVERIFY(inside == 0);
            }
        }
        for (size_t p = 0; p < polities.list.size(); ++p)
            QVERIFY2(perPolity[int(p)] > 0, qPrintable(polities.list[p].name));

        // One lone sphere keeps its whole outline; a second polity's sphere beside it cuts both; a
        // twin at the same place adds nothing.
        const std::vector<MemberStar> lone = { { QVector3D(0, 0, 0), 0, 4.0f } };
        const size_t whole = ShellTerritory(lone, 1.0).segments().size();
        std::vector<MemberStar> pair = lone;
        pair.push_back({ QVector3D(5, 0, 0), 1, 4.0f });
        const ShellTerritory cut(pair, 1.0);
        QVERIFY(cut.segments().size() < 2 * whole);
        std::vector<MemberStar> twins = lone;
        twins.push_back({ QVector3D(0, 0, 0), 0, 4.0f });
        QCOMPARE(ShellTerritory(twins, 1.0).segments().size(), whole);
    }
};

QTEST_APPLESS_MAIN(TestTerritory)
#include "tst_territory.moc"
