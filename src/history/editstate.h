#pragma once

#include "campaign/campaign.h"
#include "notes/notesboxes.h"
#include "notes/notesstore.h"

#include <QtGlobal>

struct ViewState;

// Where the map stands: the selected and the second star, the sector origin and the colour code.
struct MapPlace
{
    qint32 selectedStar = -1;
    qint32 secondStar = -1;
    qint32 originX = 0;
    qint32 originY = 0;
    qint32 colourCode = 0;

    static MapPlace of(const ViewState &view);
    void applyTo(ViewState &view) const;
    bool operator==(const MapPlace &other) const;
};

// What the game master would lose with the program: the notes of every star, the text in the two
// notes boxes (typing not yet saved included), the place on the map and the travel plan. Copies
// share the note texts, so keeping many costs little.
struct EditState
{
    NotesStore notes;
    NotesBoxes boxes;
    MapPlace place;
    Campaign campaign;

    enum Part { Notes = 1, Boxes = 2, Place = 4, CampaignData = 8, All = 15 };
    // The parts in which the two states differ.
    static int differingParts(const EditState &a, const EditState &b);
    // This state with the parts named in `parts` taken from `from`.
    EditState with(const EditState &from, int parts) const;

    // The stars whose notes differ from `other`'s, counting the selected star when the boxes hold
    // typing that is not in its notes.
    int changedStars(const EditState &other) const;
};
