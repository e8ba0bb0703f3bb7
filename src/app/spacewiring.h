#pragma once

#include "atlas/atlaspages.h"

class Workspace;
struct CommandServices;

// The "3D View" command: opens the 3-D window beside the map (made on first use), keeps it on the
// map's last drawing after every redraw, and turns a click on one of its stars into the selection
// command of a click on the map (left) or the second-star command of the Stellar Index (right).
void wireSpaceView(Workspace &workspace, const CommandServices &services);

// The 3-D view from its current camera (the open window's, or the one kept from the last run), for
// the overview page of the campaign atlas; one view even when the window prints stereo pairs.
// forPlayers: drawn from the player-safe copy of the shown model.
OverviewPicture spaceViewPicture(Workspace &workspace, bool forPlayers = false);
