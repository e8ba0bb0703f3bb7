#include "atlas/atlasnotes.h"

#include "notes/notesstore.h"

namespace {

const QString kNone;

bool has(const std::vector<QString> &texts, int star)
{
    return star >= 0 && star < static_cast<int>(texts.size()) && !texts[static_cast<size_t>(star)].isEmpty();
}

} // namespace

AtlasNotes AtlasNotes::forEdition(const NotesStore &notes, AtlasEdition edition)
{
    AtlasNotes copy;
    copy.m_edition = edition;
    copy.m_player.reserve(static_cast<size_t>(notes.size()));
    for (int i = 0; i < notes.size(); ++i)
        copy.m_player.push_back(notes.playerText(i));
    if (edition == AtlasEdition::GameMaster) {
        // A text without parts, from an older file, is kept as game-master text.
        copy.m_gameMaster.reserve(static_cast<size_t>(notes.size()));
        for (int i = 0; i < notes.size(); ++i)
            copy.m_gameMaster.push_back(notes.gameMasterText(i));
    }
    return copy;
}

bool AtlasNotes::hasNotes(int star) const
{
    return has(m_player, star) || has(m_gameMaster, star);
}

const QString &AtlasNotes::gameMaster(int star) const
{
    return has(m_gameMaster, star) ? m_gameMaster[static_cast<size_t>(star)] : kNone;
}

const QString &AtlasNotes::player(int star) const
{
    return has(m_player, star) ? m_player[static_cast<size_t>(star)] : kNone;
}
