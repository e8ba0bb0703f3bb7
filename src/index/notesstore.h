#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The notes of every system for the whole run: one text per star, empty or the game-master
// text, the separator character and the player text.
class NotesStore
{
public:
    // The separator between the game-master and the player text (code 255).
    static constexpr QChar kSeparator = QChar(0x00FF);

    explicit NotesStore(int count = 0) : m_texts(static_cast<size_t>(count)) { }

    int size() const { return static_cast<int>(m_texts.size()); }
    const QString &text(int index) const { return m_texts.at(static_cast<size_t>(index)); }
    void setText(int index, const QString &text) { m_texts.at(static_cast<size_t>(index)) = text; }
    bool hasNotes(int index) const { return !text(index).isEmpty(); }

    // The parts of a notes text split at every separator.
    static QStringList parts(const QString &text) { return text.split(kSeparator); }
    static QString join(const QString &gm, const QString &player) { return gm + kSeparator + player; }

private:
    std::vector<QString> m_texts;
};
