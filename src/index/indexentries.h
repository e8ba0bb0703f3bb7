#pragma once

#include "mapview/colour.h"

#include <QString>

#include <optional>
#include <vector>

struct MapModel;

// How one Stellar Index entry looks after a redraw.
struct IndexEntryMark
{
    bool border = false; // selected or second star
    Colour textColour = 0; // red for the selected star, blue for the second, else black
    Colour dotColour = 0; // the star's colour under the current colour code
    QString mark; // "*", "R" or nothing
    bool hasNotes = false; // prints "N"
};

// The marks of every Stellar Index entry for the model as the map shows it, one per star in star order.
// For the game master "N" marks every star with notes, even notes whose texts are both empty (the
// separator alone, as a player map gives a star whose notes were all the game master's); for the
// players' copy only notes with some text they can read.
std::vector<IndexEntryMark> indexEntryMarks(const MapModel &model, bool forPlayers);

// The index's "selected system" caption: the selected star and, with a second star, the distance to
// it. None while no star is selected (the caption then stays as it was).
std::optional<QString> selectionCaption(const MapModel &model);
