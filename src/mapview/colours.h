#pragma once

#include "mapview/colour.h"

#include <QString>

struct MapModel;

// The four colour codes of the map and the colour of one star under the current code.
// By Z co-ordinate: blue below -10, green -10 .. -1, yellow 0 .. 10, orange 11 .. 40, cyan beyond +-40.
Colour colourByZ(qint16 x);
// By spectral type: the last of O, B, A, F, G, K, M (in that order) that the text contains decides;
// black when it holds none of these capitals.
Colour colourBySpectralType(const QString &spectralText);
// By distance from the selected star, in five-light-year bands from white to dark red.
Colour colourByDistance(double x);
// By sphere of development (whole light years from Sol): light blue, blue, dark blue.
Colour colourByDistanceFromSol(qint16 x);
// The colour of star `index` under the model's colour-code mode; black for an unknown mode. Under the
// polity code, a member's polity colour and dim grey for a star of no polity.
Colour starColour(const MapModel &model, qint32 index);
