#pragma once

class NotesBox;
class RandomSource;
struct StarRecord;

// Generates a random planetary system for `star` into `gameMasterNotes`, replacing what the box held:
// the line "Creating System", then for every orbit from firstOrbit to lastOrbit that the presence
// roll fills a block of six lines ("Planet <orbit> <code>", "Gravity = ", "Day = ",
// "Atmosphere = ", "Temperature = ", "Hydro Percentage = ") and an empty line. Every line ends in
// CR LF and is appended to the box as soon as its lookup has run. Nothing is stored elsewhere.
// Returns the number of planets written (0: the box holds only "Creating System").
//
// From a window: ClockRandom random; CallbackNotesBox box(reader, writer);
//                generateSystem(stars[selectedStar], random, box);
int generateSystem(const StarRecord &star, RandomSource &random, NotesBox &gameMasterNotes);
