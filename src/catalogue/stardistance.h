#pragma once

#include <QString>
#include <QtGlobal>

class StarTable;

// Distance in light years between stars i and j from their whole-number co-ordinates; -1 when either
// index is -1 (no star).
double starDistance(const StarTable &stars, qint32 i, qint32 j);

// The distance of star i from Sol as the handout and the atlas print it (whole light years). Sol
// lies at the origin, so a table without Sol (the stars the players know) gives the same figure.
QString solDistance(const StarTable &stars, qint32 i);
