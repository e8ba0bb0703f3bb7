#pragma once

#include "history/editstate.h"

#include <QObject>

#include <optional>

class EditWiring;
class MessageBox;
class StateFileCommands;
class Workspace;

// The campaign the main window works on: the game-state file last read in full or written, and
// whether anything a Save would write (notes, selection, sector, colour code, route, limit and the
// rest of the campaign data) differs from it. The window's title names the file ("campaign.kmf —
// Quorvane") with the platform's unsaved-changes mark, and closing the window asks about unsaved
// changes first.
class CampaignDocument : public QObject
{
    Q_OBJECT
public:
    CampaignDocument(Workspace &workspace, StateFileCommands &files, EditWiring &edits, MessageBox &messages);

    bool isModified() const;
    // The title for `fileName` (empty: no file yet), with the "[*]" placeholder of the mark.
    static QString title(const QString &fileName);
    // Whether the window may close: at once with nothing unsaved, otherwise as the game master
    // answers "Save changes to campaign.kmf before closing?" (Save, which may still fail or be
    // cancelled; Don't Save; Cancel).
    bool confirmClose();
    // Compares the state with the file again and shows the result in the title.
    void refresh();

private:
    static int savedParts(const EditState &state, const EditState &baseline);

    Workspace &m_workspace;
    StateFileCommands &m_files;
    EditWiring &m_edits;
    MessageBox &m_messages;
    std::optional<EditState> m_baseline; // as last read or written; the first map drawn until then
};
