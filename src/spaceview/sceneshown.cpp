#include "spaceview/sceneshown.h"

#include "spaceview/spaceprojection.h"
#include "spaceview/spacescene.h"

#include <algorithm>

namespace {

constexpr double kDotRadius = 3.4; // at the distance of the point looked at
constexpr double kMinDotRadius = 1.8;
constexpr double kMaxDotRadius = 7.0;

} // namespace

bool alwaysNamed(const SpaceScene &scene, int star)
{
    return star == scene.selected || star == scene.second
        || std::find(scene.route.begin(), scene.route.end(), star) != scene.route.end();
}

std::vector<ShownStar> shownStars(
    const SpaceProjection &projection, const SpaceScene &scene, const SpaceOptions &options)
{
    const QVector3D centre = scene.centre();
    std::vector<ShownStar> shown;
    shown.reserve(scene.stars.size());
    for (int i = 0; i < int(scene.stars.size()); ++i) {
        const QVector3D &at = scene.stars[size_t(i)].at;
        if (options.radius > 0 && at.distanceToPoint(centre) > float(options.radius) && !alwaysNamed(scene, i))
            continue;
        const SpaceProjection::Point p = projection.project(at);
        if (!p.visible)
            continue;
        const double radius
            = std::clamp(kDotRadius * double(projection.targetDepth()) / double(p.depth), kMinDotRadius, kMaxDotRadius);
        shown.push_back({ i, p.at, p.depth, radius });
    }
    // Back to front, so nearer dots cover farther ones.
    std::stable_sort(
        shown.begin(), shown.end(), [](const ShownStar &a, const ShownStar &b) { return a.depth > b.depth; });
    return shown;
}
