#include "routes/routesearch.h"

#include "routes/pairdistances.h"

#include <algorithm>
#include <limits>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

bool validStar(const PairDistances &distances, int star)
{
    return star >= 0 && star < distances.size();
}

// Marks the avoided stars visited, so that no route enters them; the destination stays open.
std::vector<char> startVisited(int n, const AvoidedStars &avoided, int to)
{
    std::vector<char> visited(static_cast<size_t>(n), 0);
    for (int i = 0; i < n && i < static_cast<int>(avoided.size()); ++i)
        visited[static_cast<size_t>(i)] = avoided[static_cast<size_t>(i)] && i != to ? 1 : 0;
    return visited;
}

// A route's cost: fewer jumps first, then the shorter total.
struct Cost
{
    int jumps = std::numeric_limits<int>::max();
    double total = kInfinity;

    bool operator<(const Cost &other) const { return jumps != other.jumps ? jumps < other.jumps : total < other.total; }
};

// The unvisited star with the smallest key, or -1 when every reachable star is visited. With 192
// stars a linear scan beats a heap.
template <typename Key>
int nearestUnvisited(const std::vector<Key> &key, const std::vector<char> &visited, const Key &unreached)
{
    int best = -1;
    for (int i = 0; i < static_cast<int>(key.size()); ++i)
        if (!visited[static_cast<size_t>(i)] && key[static_cast<size_t>(i)] < unreached
            && (best < 0 || key[static_cast<size_t>(i)] < key[static_cast<size_t>(best)]))
            best = i;
    return best;
}

} // namespace

Route plotRoute(const PairDistances &distances, int from, int to, double limit, const AvoidedStars &avoided)
{
    Route route;
    if (!validStar(distances, from) || !validStar(distances, to))
        return route;

    const int n = distances.size();
    std::vector<Cost> cost(static_cast<size_t>(n));
    std::vector<int> previous(static_cast<size_t>(n), -1);
    std::vector<char> visited = startVisited(n, avoided, to);
    cost[static_cast<size_t>(from)] = { 0, 0.0 };

    for (int u = from; u >= 0 && u != to; u = nearestUnvisited(cost, visited, Cost {})) {
        visited[static_cast<size_t>(u)] = 1;
        const Cost here = cost[static_cast<size_t>(u)];
        for (int v = 0; v < n; ++v) {
            const double d = distances(u, v);
            if (visited[static_cast<size_t>(v)] || d > limit)
                continue;
            const Cost via { here.jumps + 1, here.total + d };
            if (via < cost[static_cast<size_t>(v)]) {
                cost[static_cast<size_t>(v)] = via;
                previous[static_cast<size_t>(v)] = u;
            }
        }
    }
    if (cost[static_cast<size_t>(to)].jumps == Cost {}.jumps)
        return route;

    for (int s = to; s >= 0; s = previous[static_cast<size_t>(s)])
        route.stars.push_back(s);
    std::reverse(route.stars.begin(), route.stars.end());
    route.total = cost[static_cast<size_t>(to)].total;
    return route;
}

double shortestLimit(const PairDistances &distances, int from, int to, const AvoidedStars &avoided)
{
    if (!validStar(distances, from) || !validStar(distances, to))
        return -1.0;

    // Prim-like growth from the start: a star's key is the longest jump on the best way to it.
    const int n = distances.size();
    std::vector<double> longest(static_cast<size_t>(n), kInfinity);
    std::vector<char> visited = startVisited(n, avoided, to);
    longest[static_cast<size_t>(from)] = 0.0;

    int u = from;
    while (u != to) {
        visited[static_cast<size_t>(u)] = 1;
        for (int v = 0; v < n; ++v) {
            const double via = std::max(longest[static_cast<size_t>(u)], distances(u, v));
            if (!visited[static_cast<size_t>(v)] && via < longest[static_cast<size_t>(v)])
                longest[static_cast<size_t>(v)] = via;
        }
        u = nearestUnvisited(longest, visited, kInfinity);
    }
    return longest[static_cast<size_t>(to)];
}
