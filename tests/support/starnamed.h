#pragma once

#include "catalogue/startable.h"

// The number of the first star of that name in the table, or -1.
inline int starNamed(const StarTable &table, const QString &name)
{
    for (int i = 0; i < table.size(); ++i)
        if (table[i].starName == name)
            return i;
    return -1;
}
