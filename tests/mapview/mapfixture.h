#pragma once

#include "catalogue/startable.h"
#include "mapview/mapmodel.h"
#include "support/starnamed.h"

// The real star table and a model over it with the start-up view: Sol selected, origin (-7, -7),
// range 40, Z colour code, cross hairs on, dark mode, text scale 1.
struct MapFixture
{
    StarTable table = StarTable::fromCatalogue();
    MapModel model { table };
    ViewState &view = model.view;

    int star(const QString &name) const { return starNamed(table, name); }
};
