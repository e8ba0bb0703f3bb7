#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The notes of every system for the whole run. A star has no notes, or a game-master text and a
// player text (either may be empty), kept apart so that no character typed into either text can
// move text from one to the other.
//
// Game-state files written by older programs may also hold a text without the separator between
// the two; such a star counts as having notes (the "N" mark, its star line in the exports) but has
// no parts to show. Its text is kept as the game-master text so that a game-state file keeps it.
// Such files may also hold further separators after the player text; the pieces after them are
// shown nowhere but kept, so that saving the game state writes them back unchanged.
class NotesStore
{
public:
    explicit NotesStore(int count = 0)
        : m_stars(static_cast<size_t>(count))
    { }

    int size() const { return static_cast<int>(m_stars.size()); }

    bool hasNotes(int index) const { return star(index).kind != Kind::None; }
    // Whether the notes are split into a game-master and a player text (the boxes can show them).
    bool hasParts(int index) const { return star(index).kind == Kind::Parts; }
    const QString &gameMasterText(int index) const { return star(index).gameMaster; }
    const QString &playerText(int index) const { return star(index).player; }
    // The pieces after a further separator, as read from a file (empty for notes typed here).
    const QStringList &hiddenPieces(int index) const { return star(index).hidden; }

    void setNotes(int index, const QString &gameMaster, const QString &player, const QStringList &hidden = {})
    {
        m_stars.at(static_cast<size_t>(index)) = { Kind::Parts, gameMaster, player, hidden };
    }
    // A text without parts (from an older file); an empty one means no notes.
    void setTextWithoutParts(int index, const QString &text)
    {
        m_stars.at(static_cast<size_t>(index)) = { text.isEmpty() ? Kind::None : Kind::WithoutParts, text, {}, {} };
    }

    bool operator==(const NotesStore &other) const { return m_stars == other.m_stars; }

private:
    enum class Kind { None, WithoutParts, Parts };
    struct Star
    {
        Kind kind = Kind::None;
        QString gameMaster;
        QString player;
        QStringList hidden;
        bool operator==(const Star &other) const
        {
            return kind == other.kind && gameMaster == other.gameMaster && player == other.player
                && hidden == other.hidden;
        }
    };

    const Star &star(int index) const { return m_stars.at(static_cast<size_t>(index)); }

    std::vector<Star> m_stars;
};
