#include "app/campaigndocument.h"

#include "app/editwiring.h"
#include "app/workspace.h"
#include "dialogs/messagebox.h"
#include "files/statefilecommands.h"
#include "index/routepanel.h"
#include "index/stellarindexwindow.h"

#include <QFileInfo>

CampaignDocument::CampaignDocument(
    Workspace &workspace, StateFileCommands &files, EditWiring &edits, MessageBox &messages)
    : QObject(&workspace.window())
    , m_workspace(workspace)
    , m_files(files)
    , m_edits(edits)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("campaignDocument"));
    connect(&edits, &EditWiring::fileDone, this, [this](StateFileCommands::FileEvent event, bool playerMode) {
        // A player map is not the campaign: reading one is a change to it, writing one saves nothing of it.
        if (!playerMode && event != StateFileCommands::FileEvent::AboutToRead)
            m_baseline = m_edits.capture();
        refresh();
    });
    // Every change of the notes, the place or the route ends in a redraw; the jump limit does not.
    connect(&workspace.redraw(), &MapRedraw::mapDrawn, this, &CampaignDocument::refresh);
    connect(workspace.stellarIndex()->routePanel(), &RoutePanel::jumpLimitChanged, this, &CampaignDocument::refresh);
}

int CampaignDocument::savedParts(const EditState &state, const EditState &baseline)
{
    // The boxes are not in the file: typing not yet saved to the notes is the recovery file's care.
    return EditState::differingParts(state, baseline) & (EditState::Notes | EditState::Place | EditState::CampaignData);
}

bool CampaignDocument::isModified() const
{
    return m_baseline && savedParts(m_edits.capture(), *m_baseline) != 0;
}

QString CampaignDocument::title(const QString &fileName)
{
    if (fileName.isEmpty())
        return QStringLiteral("VELMORA INTERACTIVE: Quorvane[*]");
    return QStringLiteral("%1[*] \u2014 Quorvane").arg(QFileInfo(fileName).fileName());
}

void CampaignDocument::refresh()
{
    // The program starts with the map it first draws as its "file".
    if (!m_baseline)
        m_baseline = m_edits.capture();
    m_workspace.window().setWindowTitle(title(m_files.currentFile()));
    m_workspace.window().setWindowModified(isModified());
}

bool CampaignDocument::confirmClose()
{
    if (!isModified())
        return true;
    const QString name
        = m_files.currentFile().isEmpty() ? QStringLiteral("mymap.kmf") : QFileInfo(m_files.currentFile()).fileName();
    switch (m_messages.show(QStringLiteral("Save changes to %1 before closing?").arg(name), QStringLiteral("Quorvane"),
        MessageBox::Buttons::SaveDiscardCancel, MessageBox::Icon::Warning)) {
    case MessageBox::Answer::Yes:
        return m_files.saveGameState();
    case MessageBox::Answer::No:
        return true;
    default:
        return false;
    }
}
