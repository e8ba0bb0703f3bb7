#pragma once

#include <QString>
#include <QtGlobal>

#include <vector>

// A power that holds stars: a nation, a colony, a corporation, an alien claim.
struct Polity
{
    static constexpr double kDefaultClaimRadius = 5.0;

    QString name;
    quint32 colour = 0x3366CC; // 0xRRGGBB
    double claimRadius = kDefaultClaimRadius; // light years around each member star
    QString note;
    bool knownToPlayers = false; // shown in the player edition of the atlas
    bool avoidedByRoutes = false; // routes do not pass through its stars

    bool operator==(const Polity &other) const
    {
        return name == other.name && colour == other.colour && claimRadius == other.claimRadius && note == other.note
            && knownToPlayers == other.knownToPlayers && avoidedByRoutes == other.avoidedByRoutes;
    }
};

// The polities of a campaign and which star belongs to which (at most one each).
struct Polities
{
    static constexpr double kDefaultNeutralMargin = 1.0;
    static constexpr int kNone = -1;

    explicit Polities(int starCount = 0)
        : memberOf(static_cast<size_t>(starCount), kNone)
    { }

    std::vector<Polity> list;
    std::vector<int> memberOf; // per star: an index into list, or kNone
    // Two claims whose nearest members lie within this many light years of the same distance leave
    // the point between them neutral ground.
    double neutralMargin = kDefaultNeutralMargin;

    bool operator==(const Polities &other) const
    {
        return list == other.list && memberOf == other.memberOf && neutralMargin == other.neutralMargin;
    }
    bool operator!=(const Polities &other) const { return !(*this == other); }
};
