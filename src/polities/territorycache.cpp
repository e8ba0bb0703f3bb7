#include "polities/territorycache.h"

bool TerritoryCache::Key::operator==(const Key &other) const
{
    const auto same = [](const MemberStar &a, const MemberStar &b) {
        return a.at == b.at && a.polity == b.polity && a.claimRadius == b.claimRadius;
    };
    return neutralMargin == other.neutralMargin && z == other.z
        && std::equal(members.begin(), members.end(), other.members.begin(), other.members.end(), same);
}

template <typename Territory, typename Make>
std::shared_ptr<const Territory> TerritoryCache::find(Kept<Territory> &kept, Key key, int &computations, Make make)
{
    for (auto it = kept.begin(); it != kept.end(); ++it)
        if (it->first == key) {
            kept.splice(kept.begin(), kept, it);
            return kept.front().second;
        }
    auto territory = std::make_shared<const Territory>(make(key));
    ++computations;
    kept.emplace_front(std::move(key), territory);
    if (kept.size() > kKept)
        kept.pop_back();
    return territory;
}

std::shared_ptr<const PlaneTerritory> TerritoryCache::plane(
    const Polities &polities, const StarTable &stars, double z) const
{
    return find(m_entries->planes, Key { memberStars(polities, stars), polities.neutralMargin, z },
        m_entries->computations, [](const Key &key) { return PlaneTerritory(key.members, key.neutralMargin, key.z); });
}

std::shared_ptr<const ShellTerritory> TerritoryCache::shells(const Polities &polities, const StarTable &stars) const
{
    return find(m_entries->shells, Key { memberStars(polities, stars), polities.neutralMargin, 0.0 },
        m_entries->computations, [](const Key &key) { return ShellTerritory(key.members, key.neutralMargin); });
}
