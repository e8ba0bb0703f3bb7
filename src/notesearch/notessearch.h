#pragma once

#include "notesearch/foldedtext.h"

#include <QString>

#include <vector>

class NotesStore;

// Which of a star's two notes texts a match is in.
enum class NotesPart { GameMaster, Player };

// One notes text that holds the searched text: where its first match is, and the line around it.
struct NotesMatch
{
    int star = -1;
    NotesPart part = NotesPart::GameMaster;
    qsizetype start = 0; // the match in the notes text, in UTF-16 units
    qsizetype length = 0;
    QString line; // the line holding the match, shortened around it when long
    qsizetype lineStart = 0; // where the match starts in `line`
};

// Finds text in every star's game-master and player notes, whatever its case and accents, in any
// part of a word. Each notes text is folded once after it changes (found by comparing it with the
// text last folded, which costs nothing per search); a search then only compares bytes. While the
// query grows at its end, only the texts the shorter query matched are searched again, from the
// place it matched.
class NotesSearch
{
public:
    explicit NotesSearch(const NotesStore &notes);

    // Every notes text holding `query`, by star, the game-master text before the player text. An
    // empty query matches nothing.
    std::vector<NotesMatch> find(const QString &query);

    // Longest part of a line shown on each side of the match.
    static constexpr qsizetype kContext = 60;

private:
    struct Hit
    {
        size_t text; // index into m_texts
        size_t byte; // first folded byte of the match
    };

    // Folds the texts that changed since the last search; true when any did.
    bool refresh();
    const QString &current(size_t text) const;
    NotesMatch matchFor(const Hit &hit, size_t queryBytes);

    const NotesStore &m_notes;
    TextFolder m_folder;
    std::vector<FoldedText> m_texts; // star i's game-master text at 2i, its player text at 2i + 1
    std::string m_lastQuery; // folded
    std::vector<Hit> m_lastHits;
};
