#include "notes/notesstore.h"

#include <atomic>

void NotesStore::setNotes(int index, const QString &gameMaster, const QString &player, const QStringList &hidden)
{
    m_stars.at(static_cast<size_t>(index)) = { Kind::Parts, gameMaster, player, hidden };
    m_revision = nextRevision();
}

void NotesStore::setTextWithoutParts(int index, const QString &text)
{
    m_stars.at(static_cast<size_t>(index)) = { text.isEmpty() ? Kind::None : Kind::WithoutParts, text, {}, {} };
    m_revision = nextRevision();
}

void NotesStore::setNotesWithoutText(int index)
{
    m_stars.at(static_cast<size_t>(index)) = { Kind::WithoutParts, {}, {}, {} };
    m_revision = nextRevision();
}

quint64 NotesStore::nextRevision()
{
    static std::atomic<quint64> last { 0 };
    return ++last;
}
