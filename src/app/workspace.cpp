#include "app/workspace.h"

#include "index/routepanel.h"
#include "index/stellarindexwindow.h"
#include "mapview/displayoptionsdialog.h"
#include "mapview/mapmodel.h"

Workspace::Workspace(const Parts &parts, std::function<double()> textScale)
    : m_parts(parts)
    , m_redraw(parts.model, parts.canvas, std::move(textScale))
{ }

StellarIndexWindow *Workspace::stellarIndex()
{
    if (!m_stellarIndex) {
        m_stellarIndex = new StellarIndexWindow(model(), &window());
        QObject::connect(m_stellarIndex, &StellarIndexWindow::redrawRequested, &m_redraw, &MapRedraw::refresh);
        // The redraw lives exactly as long as the workspace, so it stands for the workspace here.
        QObject::connect(m_stellarIndex, &StellarIndexWindow::optionsChanged, &m_redraw, [this] {
            if (m_displayOptions)
                m_displayOptions->load();
        });
        QObject::connect(&m_redraw, &MapRedraw::mapDrawn, m_stellarIndex,
            [this] { m_stellarIndex->applyFrame(m_redraw.playerCopy().get()); });
    }
    return m_stellarIndex;
}

void Workspace::showStellarIndex()
{
    stellarIndex()->routePanel()->showJumpLimit(model().campaign.travel.jumpLimit);
    m_stellarIndex->show();
    m_stellarIndex->raise();
}

DisplayOptionsDialog *Workspace::displayOptionsDialog()
{
    if (!m_displayOptions) {
        m_displayOptions = new DisplayOptionsDialog(model().options, &window());
        QObject::connect(m_displayOptions, &DisplayOptionsDialog::redrawRequested, &m_redraw, &MapRedraw::refresh);
    }
    return m_displayOptions;
}
