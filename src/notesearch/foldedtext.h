#pragma once

#include <QString>
#include <QStringView>

#include <string>
#include <unordered_map>
#include <vector>

// A text in the form searches compare: compatibility-decomposed, accents dropped, case-folded, as
// UTF-8 bytes. Searching those bytes with a folded query finds the text whatever its case and
// accents. Folding works a character at a time, so the same folder gives the same bytes for a
// character wherever it stands, and a found byte range can be mapped back to the original text.
class TextFolder
{
public:
    // The folded bytes of one character (a surrogate pair counts as one; a lone surrogate folds
    // to nothing, as it stands for no character).
    const std::string &foldChar(char32_t codePoint);
    // The folded bytes of a whole text.
    std::string fold(QStringView text);

private:
    std::unordered_map<char32_t, std::string> m_cache; // characters outside ASCII folded so far
};

// One text folded once, with the places to map a folded byte offset back into the original.
class FoldedText
{
public:
    FoldedText() = default;
    FoldedText(const QString &original, TextFolder &folder);

    const QString &original() const { return m_original; }
    const std::string &bytes() const { return m_bytes; }
    // Whether `text` is still the very string this was folded from (it shares its data): a note
    // that was changed since, in any way, no longer is.
    bool isFoldedFrom(const QString &text) const;

    // The original range [start, end) whose folded bytes cover [byteStart, byteEnd).
    struct Range
    {
        qsizetype start = 0;
        qsizetype end = 0;
    };
    Range originalRange(size_t byteStart, size_t byteEnd, TextFolder &folder) const;

private:
    struct Checkpoint
    {
        qsizetype original; // index into the original text
        size_t folded; // byte offset of its folded form
    };
    // The original index of the character whose folded bytes hold `byte`, found by folding forward
    // from the nearest checkpoint before it.
    qsizetype characterAt(size_t byte, TextFolder &folder) const;

    QString m_original; // shares the data of the note it was folded from
    std::string m_bytes;
    std::vector<Checkpoint> m_checkpoints; // every kCheckpointStep original characters
};
