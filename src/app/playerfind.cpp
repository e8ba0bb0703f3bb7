#include "app/playerfind.h"

#include "app/mapcanvas.h"
#include "app/navigationwiring.h"
#include "app/workspace.h"
#include "find/findstarpopup.h"
#include "navigation/selection.h"
#include "notesearch/notessearchpanel.h"
#include "reveal/playercopy.h"

namespace {

const QString kPlayerFindStar = QStringLiteral("playerfindstar");
const QString kPlayerFindNotes = QStringLiteral("playerfindnotes");

// Replaces the finder named `name` by `finder`, which keeps `players` for as long as it lives.
void keep(QWidget &window, QWidget *finder, const QString &name, std::shared_ptr<const PlayerCopy> players)
{
    if (QWidget *old = window.findChild<QWidget *>(name))
        old->deleteLater();
    finder->setObjectName(name);
    QObject::connect(finder, &QObject::destroyed, [players] {});
}

} // namespace

void findStarAsPlayer(Workspace &workspace)
{
    const std::shared_ptr<const PlayerCopy> players = workspace.redraw().playerCopy();
    if (!players)
        return;
    QMainWindow *window = &workspace.window();
    auto *find = new FindStarPopup(players->stars(), workspace.canvas());
    keep(*window, find, kPlayerFindStar, players);
    QObject::connect(find, &FindStarPopup::starChosen, window,
        [&workspace, players](int star) { workspace.navigation()->markerPressed(players->toCatalogue(star), 1); });
    QObject::connect(find, &FindStarPopup::secondStarChosen, window, [&workspace, players](int star) {
        if (indexEntryPressed(workspace.model().view, workspace.table(), players->toCatalogue(star), 2)
            == WindowAction::Redraw)
            workspace.redraw().refresh();
    });
    find->open();
}

void findNotesAsPlayer(Workspace &workspace)
{
    const std::shared_ptr<const PlayerCopy> players = workspace.redraw().playerCopy();
    if (!players)
        return;
    QMainWindow *window = &workspace.window();
    auto *panel = new NotesSearchPanel(players->model().notes, players->stars(), window);
    keep(*window, panel, kPlayerFindNotes, players);
    const auto choose
        = [&workspace, players](int star) { workspace.navigation()->markerPressed(players->toCatalogue(star), 1); };
    QObject::connect(panel, &NotesSearchPanel::starChosen, window, choose);
    QObject::connect(
        panel, &NotesSearchPanel::showInIndex, window, [choose](const NotesMatch &match) { choose(match.star); });
    panel->open();
}
