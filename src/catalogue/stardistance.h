#pragma once

#include <QtGlobal>

class StarTable;

// Distance in light years between stars i and j from their whole-number co-ordinates; -1 when either
// index is -1 (no star).
double starDistance(const StarTable &stars, qint32 i, qint32 j);
