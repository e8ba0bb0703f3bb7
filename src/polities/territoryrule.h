#pragma once

#include <QVector3D>

#include <vector>

class StarTable;
struct Polities;

// Who holds a point of space: a polity's index, or one of these.
namespace territory {
constexpr int kUnclaimed = -1; // no polity's claim reaches the point
constexpr int kNeutral = -2; // two claims meet within the neutral margin: the lens between them
} // namespace territory

// A star of a polity with the reach of its claim.
struct MemberStar
{
    QVector3D at; // light years
    int polity = 0;
    float claimRadius = 0.0f;
};

// The member stars of every polity, in star order. Stars of a polity with no positive claim radius
// claim nothing and are left out.
std::vector<MemberStar> memberStars(const Polities &polities, const StarTable &stars);

// The one rule for territory, at one point: among the polities with a member within its claim
// radius of the point, the one whose member is nearest holds it, unless a member of another such
// polity is within `neutralMargin` of the same distance, which makes the point neutral ground.
// Looks at every member; the territories of whole planes and shells are worked out faster from it.
int holderAt(const std::vector<MemberStar> &members, double neutralMargin, const QVector3D &point);

// The holder from the squared distances to the nearest claiming member of the nearest polity and
// of the nearest other polity (negative when there is none): the tie-break every territory shares.
int holderOf(int nearest, double nearestSquared, double otherSquared, double neutralMargin);
