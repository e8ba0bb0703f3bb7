#include "files/playermapcheck.h"

#include "notes/notesstore.h"

namespace playermapcheck {

bool looksLikePlayerMap(const NotesStore &read)
{
    bool parts = false;
    for (int i = 0; i < read.size(); ++i) {
        if (!read.hasNotes(i))
            continue;
        if (!read.hasParts(i) || !read.gameMasterText(i).isEmpty() || !read.hiddenPieces(i).isEmpty())
            return false;
        parts = true;
    }
    return parts;
}

int gameMasterTextsLost(const NotesStore &current, const NotesStore &read)
{
    int lost = 0;
    for (int i = 0; i < current.size() && i < read.size(); ++i)
        lost += !current.gameMasterText(i).isEmpty() && read.gameMasterText(i) != current.gameMasterText(i);
    return lost;
}

NotesStore withPlayerTexts(const NotesStore &current, const NotesStore &read)
{
    NotesStore merged = current;
    for (int i = 0; i < merged.size() && i < read.size(); ++i) {
        // A text without parts stays whole as the game-master text.
        if (current.hasParts(i) || read.hasParts(i))
            merged.setNotes(i, current.gameMasterText(i), read.playerText(i), current.hiddenPieces(i));
    }
    return merged;
}

} // namespace playermapcheck
