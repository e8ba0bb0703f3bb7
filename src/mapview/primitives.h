#pragma once

#include "mapview/surface.h"

#include <QString>

// The small drawing and arithmetic helpers the map passes are built from.

// Prints text on the surface with a temporary colour and font and leaves the surface's colour and
// font as they were. A colour of 0 or below keeps ForeColor, an empty font name keeps FontName, a
// size of 0 or below keeps FontSize; bold is always applied. A centre above 0 centres the text on
// that X and ignores x.
void printText(Surface &surface, const QString &text, qint32 x, qint32 y, qint64 colour, const QString &fontName,
    qint32 fontSize, bool bold, float centre);

// One colour-key entry: a dot filled with the colour and outlined in ForeColor, centred on (x, y),
// with its bold caption centred beneath it. Leaves FillStyle solid and FontBold on.
void drawKeyEntry(const QString &caption, Colour colour, float x, float y, qint32 radius, Surface &surface);

// A sector bound for the title: at least two digits, "+" before positive values ("+05", "00", "-07").
QString signedLabel(double value);

// True when value lies in the closed interval [low, high].
inline bool inRange(double low, double high, double value)
{
    return value >= low && value <= high;
}
