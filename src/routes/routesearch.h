#pragma once

#include <vector>

class PairDistances;

// A route through catalogue stars: the stars from start to destination and the legs' total.
struct Route
{
    std::vector<int> stars; // empty when there is no route
    double total = 0.0; // light years

    bool found() const { return !stars.empty(); }
    int jumps() const { return found() ? static_cast<int>(stars.size()) - 1 : 0; }
};

// Per star, whether routes may not pass through it (true); stars past its end may be passed. The
// start and the destination of a route are always allowed.
using AvoidedStars = std::vector<char>;

// The route from `from` to `to` with the fewest jumps, none longer than `limit` light years (a jump
// of exactly the limit is allowed); among routes with equally few jumps, the shortest in total.
// Empty when no route keeps within the limit or either star is out of range.
Route plotRoute(const PairDistances &distances, int from, int to, double limit, const AvoidedStars &avoided = {});

// The smallest jump limit for which a route from `from` to `to` exists: the longest jump of the
// route whose longest jump is shortest. 0 for the same star, -1 when either star is out of range.
double shortestLimit(const PairDistances &distances, int from, int to, const AvoidedStars &avoided = {});
