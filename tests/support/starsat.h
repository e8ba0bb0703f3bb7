#pragma once

#include "catalogue/startable.h"

#include <QStringList>

// A table of stars named S0, S1, ... at the whole light years "x,y,z;x,y,z;...", plotted where they stand.
inline StarTable starsAt(const QString &coordinates)
{
    std::vector<StarRecord> rows;
    for (const QString &star : coordinates.split(u';')) {
        const QStringList xyz = star.split(u',');
        StarRecord row;
        row.starName = row.systemName = QStringLiteral("S%1").arg(rows.size());
        row.x = static_cast<qint16>(xyz[0].toInt());
        row.y = static_cast<qint16>(xyz[1].toInt());
        row.z = static_cast<qint16>(xyz[2].toInt());
        row.plotX = row.x;
        row.plotY = row.y;
        rows.push_back(row);
    }
    return StarTable::fromStars(std::move(rows));
}
