#include "polities/shellterritory.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kRings = 3; // rings of latitude on each sphere (the equator and 45 degrees each side), poles left out
constexpr int kMeridians = 3; // three great circles through the poles, 60 degrees apart
constexpr int kSteps = 32; // points round each full circle
constexpr float kInset = 0.999f; // a hair inside the sphere, so that its own member still claims the point

// Whether the point of member `self`'s sphere is on the edge of its polity's territory, looking only
// at the members whose spheres can reach it.
bool onEdge(const std::vector<MemberStar> &near, const MemberStar &self, double margin, const QVector3D &point)
{
    for (const MemberStar &m : near)
        if (m.polity == self.polity && m.at != self.at && point.distanceToPoint(m.at) < m.claimRadius)
            return false;
    return holderAt(near, margin, point) == self.polity;
}

} // namespace

ShellTerritory::ShellTerritory(const std::vector<MemberStar> &members, double neutralMargin)
{
    // The unit directions of the outline: rings of latitude, then meridians, each a closed loop.
    std::vector<std::vector<QVector3D>> loops;
    for (int r = 1; r <= kRings; ++r) {
        const double latitude = kPi * (double(r) / (kRings + 1) - 0.5);
        std::vector<QVector3D> loop;
        for (int k = 0; k < kSteps; ++k) {
            const double a = 2 * kPi * k / kSteps;
            loop.emplace_back(std::cos(latitude) * std::cos(a), std::cos(latitude) * std::sin(a), std::sin(latitude));
        }
        loops.push_back(std::move(loop));
    }
    for (int m = 0; m < kMeridians; ++m) {
        const double a = kPi * m / kMeridians;
        std::vector<QVector3D> loop;
        for (int k = 0; k < kSteps; ++k) {
            const double t = 2 * kPi * k / kSteps;
            loop.emplace_back(std::cos(t) * std::cos(a), std::cos(t) * std::sin(a), std::sin(t));
        }
        loops.push_back(std::move(loop));
    }

    for (size_t i = 0; i < members.size(); ++i) {
        const MemberStar &self = members[i];
        bool twin = false; // stars of one polity at one place share one outline
        for (size_t j = 0; j < i && !twin; ++j)
            twin = members[j].at == self.at && members[j].polity == self.polity;
        if (twin)
            continue;
        std::vector<MemberStar> near;
        for (const MemberStar &m : members)
            if (m.at.distanceToPoint(self.at) <= m.claimRadius + self.claimRadius)
                near.push_back(m);
        const float radius = self.claimRadius * kInset;
        for (const std::vector<QVector3D> &loop : loops) {
            std::vector<QVector3D> points;
            std::vector<bool> kept;
            for (const QVector3D &direction : loop) {
                points.push_back(self.at + direction * radius);
                kept.push_back(onEdge(near, self, neutralMargin, points.back()));
            }
            for (size_t k = 0; k < points.size(); ++k) {
                const size_t next = (k + 1) % points.size();
                if (kept[k] && kept[next])
                    m_segments.push_back({ points[k], points[next], self.polity });
            }
        }
    }
}
