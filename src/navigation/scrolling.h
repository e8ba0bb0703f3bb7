#pragma once

#include "common/windowaction.h"

struct ViewState;

// Scrolling the sector. The origin moves by whole light years without a bound of its own: the
// redraw's clamp keeps the sector inside the charted space.

// A press on the main window away from any marker or list row, at (x, y) in map units. Only the
// left button (1) counts: the border bands of the sector map scroll by one light year (both ways at
// the corners), the rest of the sector map just redraws, the mini-map moves the sector so that the
// clicked point becomes its centre. Anywhere else nothing happens.
WindowAction scrollByPress(ViewState &view, int button, float x, float y);

// A key on the main window, as a virtual-key code: the cursor block scrolls (Home, End, Page Up and
// Page Down diagonally), Clear goes back to Sol's sector, Escape closes the window without a redraw,
// any other key only redraws.
WindowAction keyPressed(ViewState &view, int keyCode);
