#pragma once

#include "campaign/polities.h"
#include "polities/planeterritory.h"
#include "polities/shellterritory.h"
#include "polities/territoryrule.h"

#include <list>
#include <memory>

class StarTable;

// The territory of a campaign's polities on one plane and in 3-D, worked out once per change of
// what it depends on: the member stars (where they are, their polity and its claim radius), the
// neutral margin and the plane. Copies of a model share one cache, so the copy the window keeps of
// what it drew, the 3-D view, print and exports draw the territory worked out once; the players'
// copy shares it too, and finds the game master's territory whenever the players know every member.
class TerritoryCache
{
public:
    // The territory of `polities` on the plane Z = `z`.
    std::shared_ptr<const PlaneTerritory> plane(const Polities &polities, const StarTable &stars, double z) const;
    // The territory of `polities` in 3-D.
    std::shared_ptr<const ShellTerritory> shells(const Polities &polities, const StarTable &stars) const;
    // How often the territory was worked out, for checking it is not worked out on every drawing.
    int computations() const { return m_entries->computations; }

private:
    // What a territory is worked out from; the plane's Z is not part of the shells' key.
    struct Key
    {
        std::vector<MemberStar> members;
        double neutralMargin = 0.0;
        double z = 0.0;
        bool operator==(const Key &other) const;
    };
    template <typename Territory>
    using Kept = std::list<std::pair<Key, std::shared_ptr<const Territory>>>;
    // Two views (the game master's and the players') drawn one after the other each keep theirs.
    static constexpr size_t kKept = 2;

    template <typename Territory, typename Make>
    static std::shared_ptr<const Territory> find(Kept<Territory> &kept, Key key, int &computations, Make make);

    struct Entries
    {
        Kept<PlaneTerritory> planes;
        Kept<ShellTerritory> shells;
        int computations = 0;
    };
    std::shared_ptr<Entries> m_entries = std::make_shared<Entries>();
};
