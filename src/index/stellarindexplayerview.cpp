// The Stellar Index in the player view: the entries of the stars the players know and nothing a
// game master types or decides (the notes boxes with their headings, the filter over every name,
// the buttons that store notes and the reveal box).

#include "find/starfindfield.h"
#include "index/revealbox.h"
#include "index/stellarindexwindow.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

void StellarIndexWindow::showPlayerView(const std::vector<bool> &known)
{
    const bool players = !known.empty();
    m_knownStars = known;
    for (size_t i = 0; i < m_entries.size(); ++i)
        m_entries[i]->setVisible(!players || (i < known.size() && known[i]));
    for (QWidget *control : std::initializer_list<QWidget *> { m_gameMasterNotes, m_playerNotes,
             findChild<QLabel *>(QStringLiteral("Label3")), findChild<QLabel *>(QStringLiteral("Label4")),
             m_saveNotesButton, m_generate, m_filter, m_revealBox })
        if (control)
            control->setVisible(!players);
    update(); // the marks beside hidden entries go with them
}
