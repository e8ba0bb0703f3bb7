#pragma once

#include <QString>
#include <QtGlobal>

// One star of the star table, fields in catalogue order plus the computed plotting position.
struct starrec
{
    QString sysname;
    QString starname;
    qint16 starx = 0;
    qint16 stary = 0;
    qint16 starz = 0;
    QString sclass;
    qint16 soldist = 0;
    QString mark;
    float mapx = 0.0f; // plotting position in light years, nudged for stars sharing a cell
    float mapy = 0.0f;
    qint16 shifted = 0; // 1 for the second and third star placed in a shared cell
    qint16 firstorb = 0;
    qint16 lastorb = 0;
};
