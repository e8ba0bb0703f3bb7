#include "catalogue/stardistance.h"

#include "catalogue/startable.h"
#include "common/textnumber.h"

#include <cmath>

double starDistance(const StarTable &stars, qint32 i, qint32 j)
{
    if (i < 0 || j < 0)
        return -1.0;
    const StarRecord &a = stars[i];
    const StarRecord &b = stars[j];
    const int dx = a.x - b.x;
    const int dy = a.y - b.y;
    const int dz = a.z - b.z;
    return std::sqrt(static_cast<double>(dx * dx + dy * dy + dz * dz));
}

QString solDistance(const StarTable &stars, qint32 i)
{
    const StarRecord &star = stars[i];
    const double distance = stars.contains(stars.sol())
        ? starDistance(stars, i, stars.sol())
        : std::sqrt(static_cast<double>(star.x * star.x + star.y * star.y + star.z * star.z));
    return common::formatWhole(distance);
}
