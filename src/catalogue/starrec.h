#pragma once

#include <QString>
#include <QtGlobal>

// One star of the star table, fields in catalogue order plus the computed plotting position.
struct StarRecord
{
    QString systemName;
    QString starName;
    qint16 x = 0;
    qint16 y = 0;
    qint16 z = 0;
    QString spectralClass;
    qint16 distanceFromSol = 0;
    QString mark;
    float plotX = 0.0f; // plotting position in light years, nudged for stars sharing a cell
    float plotY = 0.0f;
    qint16 shifted = 0; // 1 for the second and third star placed in a shared cell
    qint16 firstOrbit = 0;
    qint16 lastOrbit = 0;
};
