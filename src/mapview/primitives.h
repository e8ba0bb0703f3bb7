#pragma once

#include "mapview/surface.h"

#include <QString>

#include <optional>

// The small drawing and arithmetic helpers the map passes are built from.

// The colour printText prints in: a colour of its own, black as much as any other, or keep() for the
// surface's foreColor.
class TextColour
{
public:
    TextColour(Colour colour)
        : m_colour(colour)
    { }
    // A bare number is refused: 0 once meant "keep", so say keep() or name the colour.
    TextColour(int) = delete;
    static TextColour keep() { return TextColour(); }
    Colour valueOr(Colour current) const { return m_colour.value_or(current); }

private:
    TextColour() = default;
    std::optional<Colour> m_colour;
};

// Prints text on the surface with a temporary colour and font and leaves the surface's colour and
// font as they were. An empty font name keeps fontName, a size of 0 or below keeps fontSize; bold
// is always applied. A centre above 0 centres the text on that X and ignores x.
void printText(Surface &surface, const QString &text, qint32 x, qint32 y, TextColour colour, const QString &fontName,
    qint32 fontSize, bool bold, float centre);

// One colour-key entry: a dot filled with the colour and outlined in foreColor, centred on (x, y),
// with its bold caption centred beneath it. Leaves fillStyle solid and fontBold on.
void drawKeyEntry(const QString &caption, Colour colour, float x, float y, qint32 radius, Surface &surface);

// A sector bound for the title: at least two digits, "+" before positive values ("+05", "00", "-07").
QString signedLabel(double value);

// True when value lies in the closed interval [low, high].
inline bool inRange(double low, double high, double value)
{
    return value >= low && value <= high;
}
