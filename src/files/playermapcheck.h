#pragma once

class NotesStore;

// Telling a player map read as a game state, and loading it as a player map without losing the
// game master's notes.
namespace playermapcheck {

// Whether notes read from a file look like a player map's: no star has game-master text or a text
// without parts, and at least one has a player text or the separator alone.
bool looksLikePlayerMap(const NotesStore &read);

// How many systems would lose their game-master text if `read` replaced `current`.
int gameMasterTextsLost(const NotesStore &current, const NotesStore &read);

// `current` with the player texts of `read`: every game-master text (and every text without parts)
// stays, every player text is the file's.
NotesStore withPlayerTexts(const NotesStore &current, const NotesStore &read);

} // namespace playermapcheck
