#include "mapview/gridpass.h"

#include "common/textnumber.h"
#include "mapview/colours.h"
#include "mapview/mapmodel.h"
#include "mapview/primitives.h"

#include <cmath>

namespace {

struct GridColours
{
    Colour background;
    Colour miniOutline;
    Colour solid;
    Colour dashed;
    TextColour label;
};

GridColours gridColours(bool printerMode)
{
    if (printerMode)
        return { colours::kWhite, colours::kCyan, colours::kCyan, colours::kBlue, TextColour::keep() };
    return { colours::kBlack, colours::kGrey, colours::kDarkTeal, colours::kDimGrey, colours::kGrey };
}

void clear(Surface &surface, const GridColours &colours, bool printerMode)
{
    // A printed page starts white: only the dark mode needs painting, and clear() never reaches paper.
    if (surface.isPrinter()) {
        if (!printerMode)
            surface.drawLine(
                0, 0, surface.pageWidth(), surface.pageHeight(), colours::kBlack, Surface::Shape::FilledBox);
        return;
    }
    surface.backColor = colours.background;
    surface.clear();
}

// The angle between two points of a circle. A thousand points a half turn join up on a small circle;
// from 30 light years up they would lie a dot's width apart, so a big circle takes as many points as
// keep them half a dot apart at the text scale it is drawn at (a 4-pixel dot is 4/96 inch at scale 1).
// No circle wider than every sector and the mini-map can reach them: none is drawn (0).
float circleStep(const ViewState &view, float radius)
{
    constexpr float kStep = 3.14159265f / 1000.0f;
    constexpr float kBigRadius = 30.0f;
    constexpr float kBeyondEverySector = 150.0f;
    const float r = std::abs(radius);
    if (r < kBigRadius)
        return kStep;
    if (r > kBeyondEverySector)
        return 0.0f;
    const double dotMm = 4.0 * 25.4 / 96.0 / std::max(view.textScale, 0.1);
    return std::min(kStep, static_cast<float>(dotMm / 2.0 / (r * 10.0)));
}

double halfRounded(double value)
{
    return common::roundHalfEven(value / 2.0);
}

// The co-ordinate labels of grid column and row i: X above and below, Y left and right.
void drawLabels(const ViewState &view, Surface &surface, int i, TextColour colour)
{
    const QString xText = signedLabel(view.originX + i);
    const double xHalf = halfRounded(surface.textWidth(xText));
    const double xTextHalfHeight = halfRounded(surface.textHeight(xText));
    const auto x = static_cast<qint32>(10 * i + 15 - xHalf);
    printText(surface, xText, x, static_cast<qint32>(31 - xTextHalfHeight), colour, QString(), 0, false, 0);
    printText(surface, xText, x, static_cast<qint32>(195 - xTextHalfHeight), colour, QString(), 0, false, 0);

    const QString yText = signedLabel(view.originY + 15 - i);
    const double yHalf = halfRounded(surface.textWidth(yText));
    const auto y = static_cast<qint32>(10 * i + 38 - halfRounded(surface.textHeight(yText)));
    printText(
        surface, yText, static_cast<qint32>(common::roundHalfEven(8.5 - yHalf)), y, colour, QString(), 0, false, 0);
    printText(
        surface, yText, static_cast<qint32>(common::roundHalfEven(171.5 - yHalf)), y, colour, QString(), 0, false, 0);
}

} // namespace

void drawGrid(const MapModel &model, Surface &surface)
{
    const ViewState &view = model.view;
    const GridColours colours = gridColours(view.printerMode);
    clear(surface, colours, view.printerMode);
    surface.drawStyle = 0;

    surface.drawLine(5.1, 28.1, 174.5, 197.5, colours.background, Surface::Shape::FilledBox);
    surface.drawLine(5, 2, 30, 27, colours.background, Surface::Shape::FilledBox);
    surface.drawLine(5, 2, 30, 27, colours.miniOutline, Surface::Shape::Box);

    if (view.showSpheres) {
        plotCircle(view, 0, 0, 10, colourByDistanceFromSol(5), surface);
        plotCircle(view, 0, 0, 20, colourByDistanceFromSol(15), surface);
        plotCircle(view, 0, 0, 30, colourByDistanceFromSol(25), surface);
    }
    // The range circle needs a selected star to centre on.
    if (view.showRangeCircle && view.selectedStar >= 0) {
        const StarRecord &star = (*model.stars)[view.selectedStar];
        plotCircle(view, star.x, star.y, static_cast<float>(view.rangeHigh), colourByDistance(view.rangeHigh), surface);
    }

    surface.drawWidth = 1;
    for (int i = 1; i <= 16; ++i) {
        surface.drawLine(10 * i + 5, 36.5, 10 * i + 5, 189.5, colours.solid);
        surface.drawLine(13.5, 10 * i + 28, 166.5, 10 * i + 28, colours.solid);
    }

    surface.drawStyle = 1;
    surface.fontSize = view.textScale * 10;
    for (int i = 0; i <= 15; ++i) {
        // Every fifth light year inside the box; the right and bottom edges are left to the frame.
        if (i > 0 && (view.originX + i - 1) % 5 == 0)
            surface.drawLine(10 * i + 5, 38, 10 * i + 5, 188, colours.dashed);
        if (i > 0 && (view.originY + 16 - i) % 5 == 0)
            surface.drawLine(15, 10 * i + 28, 165, 10 * i + 28, colours.dashed);
        drawLabels(view, surface, i, colours.label);
    }

    surface.drawStyle = 0;
    surface.drawLine(15, 38, 165, 188, colours.dashed, Surface::Shape::Box);
}

void plotCircle(const ViewState &view, qint32 x, qint32 y, float radius, Colour colour, Surface &surface)
{
    const int oldWidth = surface.drawWidth;
    constexpr float kMiniScale = 25.0f / 70.0f;
    const float step = circleStep(view, radius);
    if (step <= 0.0f)
        return;
    // Centres in light years relative to the sector map and to the mini-map panel.
    const auto sectorX = static_cast<float>(x + 1 - view.originX);
    const auto sectorY = static_cast<float>(16 - y + view.originY);
    const auto miniX = static_cast<float>(x + 34);
    const auto miniY = static_cast<float>(35 - y);
    // The angle steps in single precision; the points are worked out in double and kept in single.
    for (float a = 0.0f; a <= 6.2831853f; a += step) {
        const double dx = radius * std::sin(static_cast<double>(a));
        const double dy = radius * std::cos(static_cast<double>(a));
        const auto px = static_cast<float>((dx + sectorX) * 10.0 + 5.0);
        const auto py = static_cast<float>((dy + sectorY) * 10.0 + 28.0);
        if (inRange(15, 165, px) && inRange(38, 188, py)) {
            surface.drawWidth = 4;
            surface.drawPoint(px, py, colour);
        }
        const auto qx = static_cast<float>((dx + miniX) * kMiniScale + 5.0);
        const auto qy = static_cast<float>((dy + miniY) * kMiniScale + 2.0);
        if (inRange(5.2, 29.8, qx) && inRange(2.2, 26.8, qy)) {
            surface.drawWidth = 1;
            surface.drawPoint(qx, qy, colour);
        }
    }
    surface.drawWidth = oldWidth;
}
