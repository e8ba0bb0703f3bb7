#include "navigation/scrolling.h"

#include "mapview/viewstate.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A region of the main window in map units; every bound is exclusive.
struct Region
{
    double left;
    double top;
    double right;
    double bottom;

    bool contains(double x, double y) const { return x > left && x < right && y > top && y < bottom; }
};

// The 15 x 15 light-year sector with a one-light-year band on each side (10 map units a light year).
constexpr Region kSectorMap { 5.0, 28.0, 175.0, 198.0 };
constexpr double kLeftBandEnd = 15.0;
constexpr double kRightBandStart = 165.0;
constexpr double kTopBandEnd = 38.0;
constexpr double kBottomBandStart = 188.0;

// The overview of -35 .. 35 light years on both axes, 25 map units wide and high.
constexpr Region kMiniMap { 5.0, 2.0, 30.0, 27.0 };
constexpr double kMiniMapUnitsPerLightYear = 25.0 / 70.0;

struct KeyStep
{
    int keyCode;
    int dx;
    int dy;
};

constexpr KeyStep kKeySteps[] = {
    { 33, 1, 1 }, // Page Up: up and right
    { 34, 1, -1 }, // Page Down: down and right
    { 35, -1, -1 }, // End: down and left
    { 36, -1, 1 }, // Home: up and left
    { 37, -1, 0 }, // Left
    { 38, 0, 1 }, // Up
    { 39, 1, 0 }, // Right
    { 40, 0, -1 }, // Down
};

constexpr int kClear = 12;
constexpr int kEscape = 27;

// Moves an origin by whole light years. An origin a broken file left far outside the charted
// space stays at the end of the whole-number range instead of wrapping round.
void step(qint32 &origin, int by)
{
    origin = static_cast<qint32>(std::clamp<qint64>(
        qint64(origin) + by, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

} // namespace

WindowAction scrollByPress(ViewState &view, int button, float x, float y)
{
    if (button != 1)
        return WindowAction::Nothing;
    const double px = x;
    const double py = y;
    if (kSectorMap.contains(px, py)) {
        if (px < kLeftBandEnd)
            step(view.originX, -1);
        if (px > kRightBandStart)
            step(view.originX, 1);
        if (py < kTopBandEnd)
            step(view.originY, 1);
        if (py > kBottomBandStart)
            step(view.originY, -1);
        return WindowAction::Redraw;
    }
    if (kMiniMap.contains(px, py)) {
        const double s = kMiniMapUnitsPerLightYear;
        view.originX = static_cast<qint32>(std::floor((px - kMiniMap.left) / s)) - 42;
        view.originY = 28 - static_cast<qint32>(std::floor((py - kMiniMap.top) / s));
        return WindowAction::Redraw;
    }
    return WindowAction::Nothing;
}

WindowAction keyPressed(ViewState &view, int keyCode)
{
    if (keyCode == kEscape)
        return WindowAction::Close;
    if (keyCode == kClear) {
        view.originX = -7;
        view.originY = -7;
    }
    for (const KeyStep &keyStep : kKeySteps) {
        if (keyStep.keyCode == keyCode) {
            step(view.originX, keyStep.dx);
            step(view.originY, keyStep.dy);
        }
    }
    return WindowAction::Redraw;
}
