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
    enum class Fill { Solid, Transparent };
    // Circle colour that means "use foreColor".
    static constexpr qint64 kUseForeColor = -1;

    virtual ~Surface() = default;

    Colour foreColor = 0;
    Colour backColor = 0xFFFFFF;
    Colour fillColor = 0;
    Fill fillStyle = Fill::Transparent;
    int drawWidth = 1; // pixels: one logical pixel on screen, 1/96 inch on paper
    int drawStyle = 0; // 0 solid, 1 dashed
    // Wide lines end square instead of round: for borders made of many short runs, where a round
    // end costs a curve each and looks the same.
    bool squareEnds = false;
    QString fontName = QStringLiteral("Arial");
    double fontSize = 8.25; // points on every device
    bool fontBold = false;
    double currentX = 0.0; // top-left corner of the next printed text
    double currentY = 0.0;

    // Fills the whole surface with backColor and puts the text position at the origin.
    virtual void clear() = 0;
    // A point as thick as drawWidth.
    virtual void drawPoint(double x, double y, Colour colour) = 0;
    // A line, an outlined box or a box filled with the line colour, in drawWidth and drawStyle.
    virtual void drawLine(double x1, double y1, double x2, double y2, Colour colour, Shape shape = Shape::Line) = 0;
    // A circle outlined in the colour (foreColor by default), filled with fillColor when fillStyle is Fill::Solid.
    virtual void drawCircle(double x, double y, double radius, qint64 colour = kUseForeColor) = 0;
    // Prints text in foreColor and the current font with its top-left corner at currentX, currentY,
    // then moves to the start of the next line (currentX 0, currentY one text height lower).
    virtual void drawText(const QString &text) = 0;
    virtual double textWidth(const QString &text) = 0;
    virtual double textHeight(const QString &text) = 0;
    virtual void drawPicture(const QImage &picture, double x, double y, double width, double height) = 0;
    // A picture drawn unchanged by one redraw after another (the territory's tints): a surface may
    // keep it resampled to its pixels and copy it from then on. Otherwise drawn as drawPicture.
    virtual void drawKeptPicture(const QImage &picture, double x, double y, double width, double height)
    {
        drawPicture(picture, x, y, width, height);
    }
    virtual double pageWidth() const = 0;
    virtual double pageHeight() const = 0;
    // True for a printer page; only the grid pass asks, to decide how to clear.
    virtual bool isPrinter() const = 0;
};
