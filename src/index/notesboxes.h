#pragma once

#include "navigation/windowaction.h"

#include <QString>

class NotesStore;

// The contents of the Stellar Index's two notes boxes.
struct NotesBoxes
{
    QString gmnotes; // game-master notes
    QString plnotes; // player notes
};

// The notes of the selected star as the boxes show them: the text before the first separator and
// the text after it (anything after a second separator is not shown). A text without a separator,
// an empty text or no selected star (-1) gives two empty boxes.
NotesBoxes getnotes(const NotesStore &notes, int selstar);

// Stores the boxes as the selected star's notes (game-master text, separator, player text) and
// asks for a redraw so that the "N" mark shows. Two empty boxes, or no selected star, leave every
// stored text as it was and change nothing on the screen.
WindowAction savenotes(NotesStore &notes, int selstar, const NotesBoxes &boxes);
