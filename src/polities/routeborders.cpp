#include "polities/routeborders.h"

#include "campaign/polities.h"
#include "catalogue/startable.h"
#include "polities/territoryrule.h"

namespace routeborders {

namespace {

int holderOfStar(const std::vector<MemberStar> &members, double margin, const StarTable &stars, int star)
{
    const StarRecord &s = stars[star];
    return holderAt(members, margin, QVector3D(s.x, s.y, s.z));
}

} // namespace

AvoidedStars avoidedStars(const Polities &polities)
{
    AvoidedStars avoided(polities.memberOf.size(), 0);
    for (size_t i = 0; i < polities.memberOf.size(); ++i) {
        const int p = polities.memberOf[i];
        avoided[i] = p >= 0 && p < static_cast<int>(polities.list.size())
            && polities.list[static_cast<size_t>(p)].avoidedByRoutes;
    }
    return avoided;
}

QStringList crossings(const Polities &polities, const StarTable &stars, int from, int to)
{
    QStringList lines;
    if (!stars.contains(from) || !stars.contains(to))
        return lines;
    const std::vector<MemberStar> members = memberStars(polities, stars);
    const int before = holderOfStar(members, polities.neutralMargin, stars, from);
    const int after = holderOfStar(members, polities.neutralMargin, stars, to);
    if (before == after)
        return lines;
    const QString at = routeStarName(stars, to);
    if (before >= 0)
        lines << QStringLiteral("leaves %1 space at %2").arg(polities.list[size_t(before)].name, at);
    if (after >= 0)
        lines << QStringLiteral("enters %1 space at %2").arg(polities.list[size_t(after)].name, at);
    return lines;
}

RouteTextOptions textOptions(const Polities &polities, const StarTable &stars)
{
    RouteTextOptions options;
    options.avoided = avoidedStars(polities);
    if (!polities.list.empty())
        options.legNotes = [polities, &stars](int from, int to) { return crossings(polities, stars, from, to); };
    return options;
}

} // namespace routeborders
