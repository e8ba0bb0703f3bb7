#include "output/notescommands.h"

#include "dialogs/messagebox.h"
#include "mapview/mapmodel.h"
#include "output/clipboard.h"
#include "output/notesexport.h"
#include "reveal/playercopy.h"

NotesCommands::NotesCommands(
    const MapModel &model, Clipboard &clipboard, MessageBox &messages, std::function<QDateTime()> clock)
    : m_model(model)
    , m_clipboard(clipboard)
    , m_messages(messages)
    , m_clock(std::move(clock))
{ }

void NotesCommands::copyAllNotes()
{
    send(true);
}

void NotesCommands::copyPlayerNotes()
{
    send(false);
}

void NotesCommands::send(bool gameMaster)
{
    if (gameMaster) {
        m_clipboard.setText(notesText(*m_model.stars, m_model.notes, true, m_clock()));
    } else {
        const PlayerCopy players(m_model);
        m_clipboard.setText(notesText(players.stars(), players.model().notes, false, m_clock()));
    }
    m_messages.show(QStringLiteral("Notes have been sent to clipboard ready to paste into your chosen Program"),
        QStringLiteral("Clipboard Ready"), MessageBox::Buttons::Ok, MessageBox::Icon::Information);
}
