#pragma once

#include "mapview/colour.h"

#include <QImage>
#include <QString>

// The drawing surface the map passes draw on, in map units (millimetres of the A4 landscape page,
// X to the right, Y downwards). The attributes are plain members the passes set and read; the
// operations use them as a window or the printer would.
class Surface
{
public:
    enum class Shape { Line, Box, FilledBox };
    // Circle colour that means "use ForeColor".
    static constexpr qint64 kForeColor = -1;

    virtual ~Surface() = default;

    Colour ForeColor = 0;
    Colour BackColor = 0xFFFFFF;
    Colour FillColor = 0;
    int FillStyle = 1; // 0 solid, 1 transparent
    int DrawWidth = 1; // pixels: one logical pixel on screen, 1/96 inch on paper
    int DrawStyle = 0; // 0 solid, 1 dashed
    QString FontName = QStringLiteral("Arial");
    double FontSize = 8.25; // points on every device
    bool FontBold = false;
    double CurrentX = 0.0; // top-left corner of the next printed text
    double CurrentY = 0.0;

    // Fills the whole surface with BackColor and puts the text position at the origin.
    virtual void Cls() = 0;
    // A point as thick as DrawWidth.
    virtual void PSet(double x, double y, Colour colour) = 0;
    // A line, an outlined box or a box filled with the line colour, in DrawWidth and DrawStyle.
    virtual void Line(double x1, double y1, double x2, double y2, Colour colour, Shape shape = Shape::Line) = 0;
    // A circle outlined in the colour (ForeColor by default), filled with FillColor when FillStyle is 0.
    virtual void Circle(double x, double y, double radius, qint64 colour = kForeColor) = 0;
    // Prints text in ForeColor and the current font with its top-left corner at CurrentX, CurrentY,
    // then moves to the start of the next line (CurrentX 0, CurrentY one text height lower).
    virtual void Print(const QString &text) = 0;
    virtual double TextWidth(const QString &text) = 0;
    virtual double TextHeight(const QString &text) = 0;
    virtual void PaintPicture(const QImage &picture, double x, double y, double width, double height) = 0;
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;
    // True for a printer page; only the grid pass asks, to decide how to clear.
    virtual bool isPrinter() const = 0;
};
