#pragma once

#include "mapview/keypanel.h"

#include <QString>
#include <QStringList>

struct SpaceOptions;
struct SpaceScene;

// What the 3D View tells beside the picture: the distance between the selected and second star, the
// route's legs and total, the rings' radii on the plane and the colour key of the map's colour code.
struct SpaceReadout
{
    QStringList lines;
    ColourKey key;

    // The readout as rich text for a label: the lines, then the key with a dot of each colour.
    QString html() const;
};

SpaceReadout spaceReadout(const SpaceScene &scene, const SpaceOptions &options);
