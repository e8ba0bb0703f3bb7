#pragma once

#include "spaceview/spaceviewcanvas.h"

#include <QLineF>

#include <algorithm>

// The dot of a star other than `except` that lies well inside the 3-D view's last frame, clear of
// every other dot (so that a click on it picks that star), or null.
inline const SceneDot *clearDot(const SpaceViewCanvas *canvas, int except)
{
    const QRectF inside = QRectF(canvas->rect()).adjusted(20, 20, -20, -20);
    const auto &dots = canvas->frame().dots;
    for (const SceneDot &dot : dots) {
        if (dot.star == except || !inside.contains(dot.at))
            continue;
        const bool alone = std::all_of(dots.begin(), dots.end(), [&](const SceneDot &other) {
            return other.star == dot.star || QLineF(other.at, dot.at).length() > 2 * (dot.radius + other.radius) + 8;
        });
        if (alone)
            return &dot;
    }
    return nullptr;
}
