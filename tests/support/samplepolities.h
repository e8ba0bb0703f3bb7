#pragma once

#include "campaign/polities.h"
#include "catalogue/startable.h"

#include <QRandomGenerator>

// `count` polities of five to eight catalogue stars each (a later polity may take a star over),
// claim radii 3 to 7 ly, drawn from a fixed seed: a busy campaign for tests and benchmarks.
inline Polities samplePolities(const StarTable &table, int count = 10, quint32 seed = 30)
{
    Polities polities(table.size());
    QRandomGenerator random(seed);
    for (int p = 0; p < count; ++p) {
        polities.list.push_back(Polity { QStringLiteral("P%1").arg(p), quint32(random.bounded(0x1000000)),
            3.0 + random.bounded(5), {}, false, false });
        const int members = 5 + random.bounded(4);
        for (int k = 0; k < members; ++k)
            polities.memberOf[size_t(random.bounded(table.size()))] = p;
    }
    return polities;
}
