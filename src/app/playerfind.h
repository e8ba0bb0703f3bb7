#pragma once

class Workspace;

// Find Star and Find in Notes while View as Player is on: over the stars and notes of the player
// view's copy, so a Hidden star is never offered and no game-master text is searched. Each is made
// afresh on every use and keeps the copy it searches; a star found is chosen as on the map.
void findStarAsPlayer(Workspace &workspace);
void findNotesAsPlayer(Workspace &workspace);
