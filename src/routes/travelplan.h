#pragma once

#include <vector>

// The travel plan kept with a game: the jump limit and the plotted route (empty when none).
struct TravelPlan
{
    static constexpr double kMinLimit = 1.0;
    static constexpr double kMaxLimit = 15.0;
    static constexpr double kLimitStep = 0.5;
    static constexpr double kDefaultLimit = 5.0;

    double jumpLimit = kDefaultLimit; // light years one jump may cover at most
    std::vector<int> route; // star indices from the start to the destination

    bool operator==(const TravelPlan &other) const { return jumpLimit == other.jumpLimit && route == other.route; }
};
