#include "notes/notesboxes.h"

#include "notes/notesstore.h"

namespace {

bool isStar(const NotesStore &notes, int index)
{
    return index >= 0 && index < notes.size();
}

} // namespace

NotesBoxes boxesForStar(const NotesStore &notes, int selectedStar)
{
    if (!isStar(notes, selectedStar))
        return {};
    if (!notes.hasParts(selectedStar))
        return {};
    return { notes.gameMasterText(selectedStar), notes.playerText(selectedStar) };
}

WindowAction saveBoxes(NotesStore &notes, int selectedStar, const NotesBoxes &boxes)
{
    if (!isStar(notes, selectedStar) || (boxes.gameMasterNotes + boxes.playerNotes).isEmpty())
        return WindowAction::Nothing;
    notes.setNotes(selectedStar, boxes.gameMasterNotes, boxes.playerNotes);
    return WindowAction::Redraw;
}
