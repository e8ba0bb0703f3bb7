#include "notesearch/notessearch.h"

#include "notes/notesstore.h"

#include <cstring>

namespace {

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// The first place `needle` occurs in `haystack` at or after `from`, or npos.
size_t findBytes(const std::string &haystack, const std::string &needle, size_t from)
{
    if (from > haystack.size() || needle.size() > haystack.size() - from)
        return std::string::npos;
    const void *at = memmem(haystack.data() + from, haystack.size() - from, needle.data(), needle.size());
    return at ? static_cast<size_t>(static_cast<const char *>(at) - haystack.data()) : std::string::npos;
}

} // namespace

NotesSearch::NotesSearch(const NotesStore &notes)
    : m_notes(notes)
{ }

const QString &NotesSearch::current(size_t text) const
{
    const int star = static_cast<int>(text / 2);
    return text % 2 == 0 ? m_notes.gameMasterText(star) : m_notes.playerText(star);
}

bool NotesSearch::refresh()
{
    bool changed = false;
    const size_t count = static_cast<size_t>(m_notes.size()) * 2;
    if (m_texts.size() != count) {
        m_texts.assign(count, FoldedText());
        changed = true;
    }
    for (size_t i = 0; i < count; ++i) {
        const QString &text = current(i);
        if (!m_texts[i].isFoldedFrom(text)) {
            m_texts[i] = FoldedText(text, m_folder);
            changed = true;
        }
    }
    return changed;
}

std::vector<NotesMatch> NotesSearch::find(const QString &query)
{
    const bool changed = refresh();
    const std::string folded = m_folder.fold(query);
    std::vector<Hit> hits;
    if (!folded.empty()) {
        // A query that only grew at its end matches within what the shorter one matched, never before it.
        const bool narrowing
            = !changed && !m_lastQuery.empty() && folded.compare(0, m_lastQuery.size(), m_lastQuery) == 0;
        if (narrowing) {
            for (const Hit &last : m_lastHits) {
                const size_t at = findBytes(m_texts[last.text].bytes(), folded, last.byte);
                if (at != std::string::npos)
                    hits.push_back({ last.text, at });
            }
        } else {
            for (size_t i = 0; i < m_texts.size(); ++i) {
                const size_t at = findBytes(m_texts[i].bytes(), folded, 0);
                if (at != std::string::npos)
                    hits.push_back({ i, at });
            }
        }
    }
    m_lastQuery = folded;
    m_lastHits = hits;

    std::vector<NotesMatch> matches;
    matches.reserve(hits.size());
    for (const Hit &hit : hits)
        matches.push_back(matchFor(hit, folded.size()));
    return matches;
}

NotesMatch NotesSearch::matchFor(const Hit &hit, size_t queryBytes)
{
    const FoldedText &text = m_texts[hit.text];
    const FoldedText::Range range = text.originalRange(hit.byte, hit.byte + queryBytes, m_folder);
    const QString &original = text.original();

    // The line around the match, at most kContext characters each side of it.
    qsizetype from = range.start;
    while (from > 0 && range.start - from < kContext && !isLineBreak(original[from - 1]))
        --from;
    qsizetype to = range.end;
    while (to < original.size() && to - range.end < kContext && !isLineBreak(original[to]))
        ++to;
    // Never half a surrogate pair at a cut.
    if (from > 0 && original[from].isLowSurrogate())
        ++from;
    if (to < original.size() && original[to].isLowSurrogate())
        ++to;
    const bool cutBefore = from > 0 && !isLineBreak(original[from - 1]);
    const bool cutAfter = to < original.size() && !isLineBreak(original[to]);

    NotesMatch match;
    match.star = static_cast<int>(hit.text / 2);
    match.part = hit.text % 2 == 0 ? NotesPart::GameMaster : NotesPart::Player;
    match.start = range.start;
    match.length = range.end - range.start;
    const QString ellipsis(QChar(0x2026));
    match.line = (cutBefore ? ellipsis : QString()) + original.mid(from, to - from) + (cutAfter ? ellipsis : QString());
    match.lineStart = range.start - from + (cutBefore ? 1 : 0);
    return match;
}
