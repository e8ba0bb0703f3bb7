#pragma once

#include "mapview/surface.h"

#include <QString>

struct MapModel;

// The four colour codes of the map and the colour of one star under the current code.
// Colours are packed red + 256 * green + 65536 * blue.

// By Z co-ordinate: blue below -10, green -10 .. -1, yellow 0 .. 10, orange 11 .. 40, cyan beyond +-40.
Colour colourByZ(qint16 x);
// By spectral type: the last of O, B, A, F, G, K, M (in that order) that the text contains decides;
// black when it holds none of these capitals.
Colour colourBySpectralType(const QString &spectralText);
// By distance from the selected star, in five-light-year bands from white to dark red.
Colour colourByDistance(double x);
// By sphere of development (whole light years from Sol): light blue, blue, dark blue.
Colour colourByDistanceFromSol(qint16 x);
// The colour of star `index` under the model's colour-code mode; black for an unknown mode.
Colour starColour(const MapModel &model, qint32 index);

namespace colours {
constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kRed = 0x0000FF;
constexpr Colour kBlue = 0xFF0000;
constexpr Colour kCyan = 0xFFFF00;
constexpr Colour kGrey = 0xA0A0A0;
constexpr Colour kDarkTeal = 0x202000; // grid lines and panel outlines in the dark mode
constexpr Colour kDimGrey = 0x505050; // dashed lines and frame in the dark mode
constexpr Colour kRoute = 0xFF00FF; // magenta, used by no star colour: reads on black, on white and on paper
constexpr Colour kLink = 0x00A000; // mid green, drawn thin: present on both backgrounds without crowding the dots
} // namespace colours
