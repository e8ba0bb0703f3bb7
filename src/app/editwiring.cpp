#include "app/editwiring.h"

#include "app/workspace.h"
#include "index/notespanel.h"
#include "index/routepanel.h"
#include "index/stellarindexwindow.h"
#include "mapview/displayoptionsdialog.h"

#include <QAction>

EditWiring::EditWiring(Workspace &workspace, StateFileCommands &files)
    : QObject(&workspace.window())
    , m_workspace(workspace)
{
    StellarIndexWindow *index = workspace.stellarIndex();
    connect(index->notes(), &NotesPanel::commandStarting, this, &EditWiring::begin);
    connect(index->notes(), &NotesPanel::commandFinished, this, &EditWiring::finish);
    files.setListener([this](StateFileCommands::FileEvent event, bool playerMode) {
        if (event == StateFileCommands::FileEvent::AboutToRead) {
            begin(playerMode ? QStringLiteral("Load Player Map") : QStringLiteral("Load Game State"));
            return;
        }
        if (event == StateFileCommands::FileEvent::Read) {
            // The boxes show what Save System Notes would store: the loaded selected star's notes.
            m_workspace.stellarIndex()->notes()->showSelectedStar();
            finish();
        }
        emit fileDone(event, playerMode);
    });
    const MainMenu &menu = workspace.menu();
    connect(menu.undoAction, &QAction::triggered, this, &EditWiring::undo);
    connect(menu.redoAction, &QAction::triggered, this, &EditWiring::redo);
    // The same keys work in the Stellar Index, except inside a notes box, whose own undo they drive.
    index->addAction(menu.undoAction);
    index->addAction(menu.redoAction);
    showHistory();
}

EditState EditWiring::capture() const
{
    const MapModel &model = m_workspace.model();
    return { model.notes, m_workspace.stellarIndex()->notes()->boxes(), MapPlace::of(model.view), model.campaign };
}

void EditWiring::apply(const EditState &state, int parts)
{
    MapModel &model = m_workspace.model();
    const NotesBoxes shown = boxesForStar(model.notes, model.view.selectedStar);
    if (parts & EditState::Notes)
        model.notes = state.notes;
    if (parts & EditState::Place) {
        state.place.applyTo(model.view);
        // The redraw takes the colour code from the display options.
        model.options.colourCode = state.place.colourCode;
        m_workspace.displayOptionsDialog()->load();
    }
    if (parts & EditState::CampaignData) {
        model.campaign = state.campaign;
        m_workspace.stellarIndex()->routePanel()->showJumpLimit(model.campaign.travel.jumpLimit);
    }
    if (parts & EditState::Boxes)
        m_workspace.stellarIndex()->notes()->setBoxes(state.boxes);
    else if (boxesForStar(model.notes, model.view.selectedStar) != shown)
        m_workspace.stellarIndex()->notes()->showSelectedStar();
    m_workspace.redraw().refresh();
}

void EditWiring::undo()
{
    const EditState now = capture();
    const EditState then = m_history.undo(now);
    apply(then, EditState::differingParts(now, then));
    showHistory();
}

void EditWiring::redo()
{
    const EditState now = capture();
    const EditState then = m_history.redo(now);
    apply(then, EditState::differingParts(now, then));
    showHistory();
}

void EditWiring::perform(const QString &name, const std::function<void()> &change)
{
    begin(name);
    change();
    finish();
    m_workspace.redraw().refresh();
}

void EditWiring::begin(const QString &name)
{
    m_running.emplace(name, capture());
}

void EditWiring::finish()
{
    if (!m_running)
        return;
    const auto [name, before] = *std::exchange(m_running, std::nullopt);
    if (m_history.record(name, before, capture()))
        showHistory();
}

void EditWiring::showHistory()
{
    const MainMenu &menu = m_workspace.menu();
    menu.undoAction->setEnabled(m_history.canUndo());
    menu.undoAction->setText(QStringLiteral("Undo %1").arg(m_history.undoName()).trimmed());
    menu.redoAction->setEnabled(m_history.canRedo());
    menu.redoAction->setText(QStringLiteral("Redo %1").arg(m_history.redoName()).trimmed());
}

EditWiring &wireEdits(Workspace &workspace, StateFileCommands &files)
{
    return *new EditWiring(workspace, files);
}

EditWiring &editWiring(Workspace &workspace)
{
    return *workspace.window().findChild<EditWiring *>(QString(), Qt::FindDirectChildrenOnly);
}
