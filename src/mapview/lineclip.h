#pragma once

#include <QLineF>
#include <QRectF>

#include <optional>

// The part of the line inside the box (Liang-Barsky), or nothing when it misses the box.
std::optional<QLineF> clipToBox(const QLineF &line, const QRectF &box);
