#pragma once

#include <QRectF>
#include <QSizeF>

// Where the main window goes so that it is a scaled copy of the A4 landscape printer page.
struct PageGeometry
{
    double textScale = 1.0; // window width / printer page width: the screen's text scale
    double pageRatio = 1.0; // printer page width / height
    double printerWidthTwips = 1.0; // the printer page's width, rounded to whole twips
    QRectF windowTwips; // left, top, width and height of the window in twips
    QSizeF scaleSize; // the window's drawing scale: the printer's scale width and height (mm)

    // The text scale of a page drawn `widthTwips` wide, by the same rule as the window's.
    double textScaleAt(double widthTwips) const { return widthTwips / printerWidthTwips; }
};

// The page set-up arithmetic: printer page size in twips, the printer's scale size in millimetres
// and the screen's available area in twips give the window's place, its drawing scale and the text
// scale. The window takes 0.9 of the screen's width, or of its height times the page ratio when that
// is smaller (every wide screen), and is centred; on a 4:3 screen that is always the width.
PageGeometry setUpPage(const QSizeF &printerTwips, const QSizeF &printerScaleMm, const QSizeF &screenTwips);

// The largest rectangle of the page's proportions inside `area`, centred, with whole-pixel edges.
// An area within a pixel of those proportions (the window as the page set-up made it) is all page.
QRectF fitPage(const QSizeF &area, const QSizeF &page);

// A4 landscape, the page every map is laid out on, in millimetres and in twips.
QSizeF a4LandscapeMm();
QSizeF a4LandscapeTwips();
