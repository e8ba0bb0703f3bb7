#pragma once

#include "routes/routesearch.h"

#include <QString>
#include <QStringList>

#include <functional>

class PairDistances;
class StarTable;

// What the route text takes into account besides the stars: the stars routes avoid (so that the
// shortest limit it names finds a route under the same options) and lines to add after a leg (the
// borders it crosses).
struct RouteTextOptions
{
    AvoidedStars avoided;
    std::function<QStringList(int from, int to)> legNotes;
};

// A distance in light years to one decimal with a point: "4.4".
QString lightYears(double distance);

// The smallest tenth of a light year that is at least `distance`: 6.3 for 6.25 or 6.3.
double tenthAtLeast(double distance);

// A star's name in route text; a name two stars share is followed by the star's co-ordinates,
// "CD -21° (X 3, Y -10, Z -2)", so the two are told apart.
QString routeStarName(const StarTable &stars, int star);

// The route as text: one line per leg (from, to, distance), then the jumps and the total.
// With no route it says so and names the shortest jump limit that would make one, rounded up to
// the tenth so that a limit set to the named value finds the route (and saying when that is beyond
// the longest limit that can be set).
QString routeText(const StarTable &stars, const PairDistances &distances, int from, int to, double limit,
    const Route &route, const RouteTextOptions &options = {});
