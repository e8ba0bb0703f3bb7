#include "notesearch/foldedtext.h"

#include <algorithm>

namespace {

// Mapping back folds at most this many characters from the nearest checkpoint.
constexpr qsizetype kCheckpointStep = 128;

// The code point at `i` and how many UTF-16 units it takes; a lone surrogate reads as U+FFFF,
// which folds to nothing below.
std::pair<char32_t, qsizetype> codePointAt(QStringView text, qsizetype i)
{
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return { QChar::surrogateToUcs4(c, text[i + 1]), 2 };
    if (c.isSurrogate())
        return { 0xFFFF, 1 };
    return { c.unicode(), 1 };
}

void appendFolded(std::string &out, char32_t codePoint, TextFolder &folder)
{
    if (codePoint < 0x80) {
        const char c = static_cast<char>(codePoint);
        out.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    } else {
        out += folder.foldChar(codePoint);
    }
}

} // namespace

const std::string &TextFolder::foldChar(char32_t codePoint)
{
    const auto found = m_cache.find(codePoint);
    if (found != m_cache.end())
        return found->second;
    std::string folded;
    if (codePoint != 0xFFFF) {
        // Compatibility decomposition splits "é" into "e" and a combining accent and "ﬁ" into "fi";
        // the combining marks are then dropped and what is left is case-folded.
        const QString decomposed = QString::fromUcs4(&codePoint, 1).normalized(QString::NormalizationForm_KD);
        QString kept;
        for (const QChar c : decomposed)
            if (c.category() != QChar::Mark_NonSpacing)
                kept.append(c);
        folded = kept.toCaseFolded().toStdString();
    }
    return m_cache.emplace(codePoint, std::move(folded)).first->second;
}

std::string TextFolder::fold(QStringView text)
{
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size();) {
        const auto [codePoint, units] = codePointAt(text, i);
        appendFolded(out, codePoint, *this);
        i += units;
    }
    return out;
}

FoldedText::FoldedText(const QString &original, TextFolder &folder)
    : m_original(original)
{
    m_bytes.reserve(static_cast<size_t>(original.size()));
    m_checkpoints.reserve(static_cast<size_t>(original.size() / kCheckpointStep + 1));
    qsizetype nextCheckpoint = 0;
    for (qsizetype i = 0; i < original.size();) {
        if (i >= nextCheckpoint) {
            m_checkpoints.push_back({ i, m_bytes.size() });
            nextCheckpoint = i + kCheckpointStep;
        }
        const auto [codePoint, units] = codePointAt(original, i);
        appendFolded(m_bytes, codePoint, folder);
        i += units;
    }
}

bool FoldedText::isFoldedFrom(const QString &text) const
{
    // This object holds a reference to the data it folded, so that data cannot be changed in place
    // or freed and reused for another text while it lives: the same data means the same text.
    return text.constData() == m_original.constData() && text.size() == m_original.size();
}

qsizetype FoldedText::characterAt(size_t byte, TextFolder &folder) const
{
    auto checkpoint = std::upper_bound(
        m_checkpoints.begin(), m_checkpoints.end(), byte, [](size_t b, const Checkpoint &c) { return b < c.folded; });
    if (checkpoint != m_checkpoints.begin())
        --checkpoint;
    qsizetype i = checkpoint == m_checkpoints.end() ? 0 : checkpoint->original;
    size_t at = checkpoint == m_checkpoints.end() ? 0 : checkpoint->folded;
    std::string scratch;
    while (i < m_original.size()) {
        const auto [codePoint, units] = codePointAt(m_original, i);
        scratch.clear();
        appendFolded(scratch, codePoint, folder);
        at += scratch.size();
        if (at > byte)
            return i;
        i += units;
    }
    return m_original.size();
}

FoldedText::Range FoldedText::originalRange(size_t byteStart, size_t byteEnd, TextFolder &folder) const
{
    const qsizetype start = characterAt(byteStart, folder);
    if (byteEnd <= byteStart)
        return { start, start };
    // The range ends after the character that holds its last byte.
    const qsizetype last = characterAt(byteEnd - 1, folder);
    qsizetype end = last < m_original.size() ? last + codePointAt(m_original, last).second : last;
    // Accents written after their letter fold to nothing: they belong to the match.
    while (end < m_original.size()) {
        const auto [codePoint, units] = codePointAt(m_original, end);
        if (codePoint < 0x80 || !folder.foldChar(codePoint).empty())
            break;
        end += units;
    }
    return { start, end };
}
