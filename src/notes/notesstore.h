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
//
// Every change to the notes goes through setNotes or setTextWithoutParts (or replaces the whole
// store), and each one gives the store a new revision, unique across all stores of the run. A copy
// keeps its revision, so two stores with the same revision hold the same notes: undo and the
// recovery file tell "nothing changed" from that without comparing the texts.
class NotesStore
{
public:
    explicit NotesStore(int count = 0)
        : m_stars(static_cast<size_t>(count))
        , m_revision(nextRevision())
    { }

    int size() const { return static_cast<int>(m_stars.size()); }

    bool hasNotes(int index) const { return star(index).kind != Kind::None; }
    // Whether the notes are split into a game-master and a player text (the boxes can show them).
    bool hasParts(int index) const { return star(index).kind == Kind::Parts; }
    const QString &gameMasterText(int index) const { return star(index).gameMaster; }
    const QString &playerText(int index) const { return star(index).player; }
    // The pieces after a further separator, as read from a file (empty for notes typed here).
    const QStringList &hiddenPieces(int index) const { return star(index).hidden; }

    void setNotes(int index, const QString &gameMaster, const QString &player, const QStringList &hidden = {});
    // A text without parts (from an older file); an empty one means no notes.
    void setTextWithoutParts(int index, const QString &text);
    // Notes without parts whose text is not copied: the star counts as having notes but holds no
    // text (the player-safe copy of a text from an older file, which is game-master text).
    void setNotesWithoutText(int index);

    quint64 revision() const { return m_revision; }

    bool operator==(const NotesStore &other) const
    {
        return m_revision == other.m_revision || m_stars == other.m_stars;
    }
    bool operator!=(const NotesStore &other) const { return !(*this == other); }
    // Whether star `index` holds the same notes here and in `other` (a store of the same size).
    bool sameNotes(int index, const NotesStore &other) const { return star(index) == other.star(index); }

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
            return kind == other.kind && same(gameMaster, other.gameMaster) && same(player, other.player)
                && hidden == other.hidden;
        }
        // Copies of one text share their characters: those are equal without reading them.
        static bool same(const QString &a, const QString &b)
        {
            return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
        }
    };

    static quint64 nextRevision();

    const Star &star(int index) const { return m_stars.at(static_cast<size_t>(index)); }

    std::vector<Star> m_stars;
    quint64 m_revision;
};
