#pragma once

#include <QLineF>
#include <QVector>

class QPainter;

// Draws the lines with the painter's pen (colour, width, solid or dashed). The scene's hundreds of
// thin lines (grid, rings, stalks, feet) are most of a frame. On paper, PDF and SVG they go to the
// painter as lines. On an opaque image with no clip and a pen no wider than a pixel and a half they
// are drawn straight into the pixels, antialiased unless the painter's hint says otherwise (then solid
// lines only), with the pen's colour and 4-on-2-off dashes: Qt's
// raster engine pays a set-up for each line and hands the spans of any line longer than about 48
// pixels to its thread pool, which on a busy machine costs many times the line itself.
void drawSceneLines(QPainter &painter, const QVector<QLineF> &lines);

// True when the painter draws on an image (the window's backing image, a PNG), where the scene stamps
// cached dots and glyphs; paper, PDF and SVG get vectors and text.
bool drawsOnImage(const QPainter &painter);
