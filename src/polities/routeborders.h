#pragma once

#include "routes/routetext.h"

class StarTable;
struct Polities;

// How routes meet the polities: the stars of the polities routes avoid, and the borders a leg
// crosses, judged by the territory rule at the leg's two stars.
namespace routeborders {

// Per star, whether it belongs to a polity routes avoid.
AvoidedStars avoidedStars(const Polities &polities);

// The border crossings of the leg from `from` to `to`: "leaves Concordat space at Barnard's Star",
// "enters Free Worlds space at Barnard's Star", naming the star the leg ends at.
QStringList crossings(const Polities &polities, const StarTable &stars, int from, int to);

// The route text options for the campaign's polities.
RouteTextOptions textOptions(const Polities &polities, const StarTable &stars);

} // namespace routeborders
