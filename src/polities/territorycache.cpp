#include "polities/territorycache.h"

std::shared_ptr<const PlaneTerritory> TerritoryCache::plane(
    const Polities &polities, const StarTable &stars, double z) const
{
    Entries &e = *m_entries;
    if (e.plane && e.z == z && e.planePolities == polities)
        return e.plane;
    e.plane = std::make_shared<const PlaneTerritory>(memberStars(polities, stars), polities.neutralMargin, z);
    e.planePolities = polities;
    e.z = z;
    ++e.computations;
    return e.plane;
}

std::shared_ptr<const ShellTerritory> TerritoryCache::shells(const Polities &polities, const StarTable &stars) const
{
    Entries &e = *m_entries;
    if (e.shells && e.shellPolities == polities)
        return e.shells;
    e.shells = std::make_shared<const ShellTerritory>(memberStars(polities, stars), polities.neutralMargin);
    e.shellPolities = polities;
    ++e.computations;
    return e.shells;
}
