#include "mapview/primitives.h"

#include "catalogue/startable.h"
#include "common/textnumber.h"

#include <cmath>

void qprint(Surface &surface, const QString &text, qint32 x, qint32 y, qint64 colour, const QString &fontname,
    qint32 fontsize, bool bold, float centre)
{
    const Colour oldColour = surface.ForeColor;
    const QString oldName = surface.FontName;
    const double oldSize = surface.FontSize;
    const bool oldBold = surface.FontBold;

    if (colour > 0)
        surface.ForeColor = static_cast<Colour>(colour);
    if (!fontname.isEmpty())
        surface.FontName = fontname;
    if (fontsize > 0)
        surface.FontSize = fontsize;
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

void dleg(const QString &caption, Colour colour, float x, float y, qint32 radius, Surface &surface)
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

QString signfmt(double value)
{
    const QString digits = common::formatTwoDigits(value);
    return value > 0 ? u'+' + digits : digits;
}

double stardist(const StarTable &stars, qint32 i, qint32 j)
{
    if (i < 0 || j < 0)
        return -1.0;
    const starrec &a = stars[i];
    const starrec &b = stars[j];
    const int dx = a.starx - b.starx;
    const int dy = a.stary - b.stary;
    const int dz = a.starz - b.starz;
    return std::sqrt(static_cast<double>(dx * dx + dy * dy + dz * dz));
}
