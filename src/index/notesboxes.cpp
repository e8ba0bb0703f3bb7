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
    const QStringList parts = NotesStore::parts(notes.text(selstar));
    if (parts.size() < 2)
        return {};
    return { parts.at(0), parts.at(1) };
}

WindowAction savenotes(NotesStore &notes, int selstar, const NotesBoxes &boxes)
{
    if (!isStar(notes, selstar) || (boxes.gmnotes + boxes.plnotes).isEmpty())
        return WindowAction::Nothing;
    notes.setText(selstar, NotesStore::join(boxes.gmnotes, boxes.plnotes));
    return WindowAction::Redraw;
}
