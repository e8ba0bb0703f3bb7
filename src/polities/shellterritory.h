#pragma once

#include "polities/territoryrule.h"

#include <QVector3D>

#include <vector>

// The territory of every polity in 3-D, drawn as outlines of its members' claim spheres: rings of
// latitude and meridians on each sphere, kept only where the sphere is the edge of its polity's
// territory (not inside another member's sphere of the same polity, nor cut off by another
// polity's ground or neutral ground).
class ShellTerritory
{
public:
    struct Segment
    {
        QVector3D from;
        QVector3D to;
        int polity;
    };

    ShellTerritory() = default;
    ShellTerritory(const std::vector<MemberStar> &members, double neutralMargin);

    // Short segments between neighbouring outline points that both lie on the edge.
    const std::vector<Segment> &segments() const { return m_segments; }

private:
    std::vector<Segment> m_segments;
};
