#pragma once

#include <QString>

#include <vector>

class NotesStore;

// Which atlas: the game master's, with both notes texts, or the players', with player notes only.
enum class AtlasEdition { GameMaster, Player };

// The notes an atlas may print, copied out of the notes store for one edition. The player edition
// is made from the player texts alone: no game-master text is ever copied into it, so nothing built
// from it can hold one.
class AtlasNotes
{
public:
    static AtlasNotes forEdition(const NotesStore &notes, AtlasEdition edition);

    AtlasEdition edition() const { return m_edition; }
    int size() const { return static_cast<int>(m_player.size()); }
    // Whether the edition has anything to print for the star.
    bool hasNotes(int star) const;
    // Empty in the player edition.
    const QString &gameMaster(int star) const;
    const QString &player(int star) const;

private:
    AtlasEdition m_edition = AtlasEdition::Player;
    std::vector<QString> m_gameMaster; // empty in the player edition
    std::vector<QString> m_player;
};
