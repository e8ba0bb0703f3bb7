#pragma once

#include <QRectF>
#include <QSizeF>

// Where the main window goes so that it is a scaled copy of the A4 landscape printer page.
struct PageGeometry
{
    double textScale = 1.0; // window width / printer page width: the screen's text scale
    double pageRatio = 1.0; // printer page width / height
    QRectF windowTwips; // left, top, width and height of the window in twips
    QSizeF scaleSize; // the window's drawing scale: the printer's scale width and height (mm)
};

// The page set-up arithmetic: printer page size in twips, the printer's scale size in millimetres
// and the screen size in twips give the window's place, its drawing scale and the text scale.
PageGeometry setUpPage(const QSizeF &printerTwips, const QSizeF &printerScaleMm, const QSizeF &screenTwips);

// A4 landscape, the page every map is laid out on, in millimetres and in twips.
QSizeF a4LandscapeMm();
QSizeF a4LandscapeTwips();
