#include "mapview/primitives.h"

#include "common/textnumber.h"

#include <cmath>

void printText(Surface &surface, const QString &text, qint32 x, qint32 y, TextColour colour, const QString &fontName,
    qint32 fontSize, bool bold, float centre)
{
    const Colour oldColour = surface.foreColor;
    const QString oldName = surface.fontName;
    const double oldSize = surface.fontSize;
    const bool oldBold = surface.fontBold;

    surface.foreColor = colour.valueOr(oldColour);
    if (!fontName.isEmpty())
        surface.fontName = fontName;
    if (fontSize > 0)
        surface.fontSize = fontSize;
    surface.fontBold = bold;

    if (centre > 0)
        surface.currentX = centre - static_cast<float>(surface.textWidth(text)) / 2.0f;
    else
        surface.currentX = x;
    surface.currentY = y;
    surface.drawText(text);

    surface.foreColor = oldColour;
    surface.fontName = oldName;
    surface.fontSize = oldSize;
    surface.fontBold = oldBold;
}

void drawKeyEntry(const QString &caption, Colour colour, float x, float y, qint32 radius, Surface &surface)
{
    surface.fillStyle = Surface::Fill::Solid;
    surface.fillColor = colour;
    surface.fontBold = true;
    const double half = common::roundHalfEven(surface.textWidth(caption) / 2.0);
    surface.drawCircle(x, y, radius);
    surface.currentY = y + radius;
    surface.currentX = x - half;
    surface.drawText(caption);
}

QString signedLabel(double value)
{
    const QString digits = common::formatTwoDigits(value);
    return value > 0 ? u'+' + digits : digits;
}
