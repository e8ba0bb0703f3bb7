#pragma once

#include "campaign/polities.h"
#include "polities/planeterritory.h"
#include "polities/shellterritory.h"

#include <memory>

class StarTable;

// The territory of a campaign's polities on one plane and in 3-D, worked out once per change of
// the polities or the plane. Copies of a model share one cache, so the copy the window keeps of
// what it drew, the 3-D view, print and exports all draw the territory worked out once.
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
    struct Entries
    {
        Polities planePolities;
        double z = 0.0;
        std::shared_ptr<const PlaneTerritory> plane;
        Polities shellPolities;
        std::shared_ptr<const ShellTerritory> shells;
        int computations = 0;
    };
    std::shared_ptr<Entries> m_entries = std::make_shared<Entries>();
};
