#pragma once

class Workspace;

// Edit ▸ Find in Notes: opens the notes search panel (made on first use). A star chosen in it is
// selected as a click on its map marker selects it; "Show in Stellar Index" opens the index on
// that star with the match selected in its notes box.
void wireNotesSearch(Workspace &workspace);
