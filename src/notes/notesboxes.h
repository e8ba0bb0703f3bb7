#pragma once

#include "common/windowaction.h"

#include <QString>

class NotesStore;

// The contents of the Stellar Index's two notes boxes.
struct NotesBoxes
{
    QString gameMasterNotes; // game-master notes
    QString playerNotes; // player notes

    bool operator==(const NotesBoxes &other) const
    {
        return gameMasterNotes == other.gameMasterNotes && playerNotes == other.playerNotes;
    }
    bool operator!=(const NotesBoxes &other) const { return !(*this == other); }
};

// The notes of the selected star as the boxes show them: its game-master and its player text. No
// notes, a text without parts or no selected star (-1) gives two empty boxes.
NotesBoxes boxesForStar(const NotesStore &notes, int selectedStar);

// Stores the boxes as the selected star's game-master and player text and
// asks for a redraw so that the "N" mark shows. Two empty boxes, or no selected star, leave every
// stored text as it was and change nothing on the screen.
WindowAction saveBoxes(NotesStore &notes, int selectedStar, const NotesBoxes &boxes);
