#include "mapview/lineclip.h"

#include <algorithm>

std::optional<QLineF> clipToBox(const QLineF &line, const QRectF &box)
{
    const double dx = line.dx();
    const double dy = line.dy();
    double t0 = 0.0;
    double t1 = 1.0;
    // Each edge as p * t <= q: left, right, top, bottom.
    const double p[4] = { -dx, dx, -dy, dy };
    const double q[4]
        = { line.x1() - box.left(), box.right() - line.x1(), line.y1() - box.top(), box.bottom() - line.y1() };
    for (int e = 0; e < 4; ++e) {
        if (p[e] == 0.0) {
            if (q[e] < 0.0)
                return std::nullopt;
            continue;
        }
        const double t = q[e] / p[e];
        if (p[e] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1)
        return std::nullopt;
    return QLineF(line.pointAt(t0), line.pointAt(t1));
}
