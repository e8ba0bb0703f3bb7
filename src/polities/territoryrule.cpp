#include "polities/territoryrule.h"

#include "campaign/polities.h"
#include "catalogue/startable.h"

#include <cmath>

std::vector<MemberStar> memberStars(const Polities &polities, const StarTable &stars)
{
    std::vector<MemberStar> members;
    const int count = std::min(stars.size(), static_cast<int>(polities.memberOf.size()));
    for (int i = 0; i < count; ++i) {
        const int p = polities.memberOf[static_cast<size_t>(i)];
        if (p < 0 || p >= static_cast<int>(polities.list.size()))
            continue;
        const double radius = polities.list[static_cast<size_t>(p)].claimRadius;
        if (!(radius > 0.0))
            continue;
        const StarRecord &star = stars[i];
        members.push_back({ QVector3D(star.x, star.y, star.z), p, static_cast<float>(radius) });
    }
    return members;
}

int holderOf(int nearest, double nearestSquared, double otherSquared, double neutralMargin)
{
    if (nearest < 0)
        return territory::kUnclaimed;
    if (otherSquared >= 0.0 && std::sqrt(otherSquared) - std::sqrt(nearestSquared) <= neutralMargin)
        return territory::kNeutral;
    return nearest;
}

int holderAt(const std::vector<MemberStar> &members, double neutralMargin, const QVector3D &point)
{
    // The nearest claiming member of each polity, then the two nearest polities.
    std::vector<double> nearest;
    for (const MemberStar &m : members) {
        const double dx = double(point.x()) - double(m.at.x());
        const double dy = double(point.y()) - double(m.at.y());
        const double dz = double(point.z()) - double(m.at.z());
        const double squared = dx * dx + dy * dy + dz * dz;
        if (squared > double(m.claimRadius) * double(m.claimRadius))
            continue;
        if (static_cast<size_t>(m.polity) >= nearest.size())
            nearest.resize(static_cast<size_t>(m.polity) + 1, -1.0);
        double &best = nearest[static_cast<size_t>(m.polity)];
        if (best < 0.0 || squared < best)
            best = squared;
    }
    int first = -1;
    for (size_t p = 0; p < nearest.size(); ++p)
        if (nearest[p] >= 0.0 && (first < 0 || nearest[p] < nearest[size_t(first)]))
            first = int(p);
    double other = -1.0;
    for (size_t p = 0; p < nearest.size(); ++p)
        if (int(p) != first && nearest[p] >= 0.0 && (other < 0.0 || nearest[p] < other))
            other = nearest[p];
    return holderOf(first, first >= 0 ? nearest[size_t(first)] : 0.0, other, neutralMargin);
}
