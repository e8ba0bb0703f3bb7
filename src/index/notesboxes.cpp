#include "index/notesboxes.h"

#include "index/notesstore.h"

namespace {

bool isStar(const NotesStore &notes, int index)
{
    return index >= 0 && index < notes.size();
}

} // namespace

NotesBoxes getnotes(const NotesStore &notes, int selstar)
{
    if (!isStar(notes, selstar))
        return {};
    if (!notes.hasParts(selstar))
        return {};
    return { notes.gameMasterText(selstar), notes.playerText(selstar) };
}

WindowAction savenotes(NotesStore &notes, int selstar, const NotesBoxes &boxes)
{
    if (!isStar(notes, selstar) || (boxes.gmnotes + boxes.plnotes).isEmpty())
        return WindowAction::Nothing;
    notes.setNotes(selstar, boxes.gmnotes, boxes.plnotes);
    return WindowAction::Redraw;
}
