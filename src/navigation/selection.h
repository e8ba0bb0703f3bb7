#pragma once

#include "common/windowaction.h"

class StarTable;
struct ViewState;

// Selecting a star with the mouse. Buttons are 1 (left), 2 (right) and 4 (middle).

// A press on a star's marker on the map: the left button selects the star and puts it in column 7,
// row 7 of the sector (the redraw's clamp may move the sector off-centre). Every button redraws.
WindowAction markerPressed(ViewState &view, const StarTable &stars, int index, int button);
// A press on a star's row in the map's star list: the same as on its marker.
WindowAction listRowPressed(ViewState &view, const StarTable &stars, int index, int button);
// A press on a Stellar Index entry: the left button selects and recentres as above, the right
// button makes the star the second star of the distance readout; both redraw. Other buttons do nothing.
WindowAction indexEntryPressed(ViewState &view, const StarTable &stars, int index, int button);
