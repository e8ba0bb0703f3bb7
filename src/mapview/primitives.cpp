#include "mapview/primitives.h"

#include "common/textnumber.h"

#include <cmath>

void printText(Surface &surface, const QString &text, qint32 x, qint32 y, TextColour colour, const QString &fontName,
    qint32 fontSize, bool bold, float centre)
{
    const Colour oldColour = surface.ForeColor;
    const QString oldName = surface.FontName;
    const double oldSize = surface.FontSize;
    const bool oldBold = surface.FontBold;

    surface.ForeColor = colour.valueOr(oldColour);
    if (!fontName.isEmpty())
        surface.FontName = fontName;
    if (fontSize > 0)
        surface.FontSize = fontSize;
    surface.FontBold = bold;

    if (centre > 0)
        surface.CurrentX = centre - static_cast<float>(surface.TextWidth(text)) / 2.0f;
    else
        surface.CurrentX = x;
    surface.CurrentY = y;
    surface.Print(text);

    surface.ForeColor = oldColour;
    surface.FontName = oldName;
    surface.FontSize = oldSize;
    surface.FontBold = oldBold;
}

void drawKeyEntry(const QString &caption, Colour colour, float x, float y, qint32 radius, Surface &surface)
{
    surface.FillStyle = 0;
    surface.FillColor = colour;
    surface.FontBold = true;
    const double half = common::roundHalfEven(surface.TextWidth(caption) / 2.0);
    surface.Circle(x, y, radius);
    surface.CurrentY = y + radius;
    surface.CurrentX = x - half;
    surface.Print(caption);
}

QString signedLabel(double value)
{
    const QString digits = common::formatTwoDigits(value);
    return value > 0 ? u'+' + digits : digits;
}
