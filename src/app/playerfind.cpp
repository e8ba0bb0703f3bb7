#include "app/playerfind.h"

#include "app/mainwindow.h"
#include "app/mapcanvas.h"
#include "app/navigationwiring.h"
#include "find/findstarpopup.h"
#include "navigation/selection.h"
#include "notesearch/notessearchpanel.h"
#include "reveal/playercopy.h"

namespace {

const QString kPlayerFindStar = QStringLiteral("playerfindstar");
const QString kPlayerFindNotes = QStringLiteral("playerfindnotes");

// Replaces the finder named `name` by `finder`, which keeps `players` for as long as it lives.
void keep(MainWindow &window, QWidget *finder, const QString &name, std::shared_ptr<const PlayerCopy> players)
{
    if (QWidget *old = window.findChild<QWidget *>(name))
        old->deleteLater();
    finder->setObjectName(name);
    QObject::connect(finder, &QObject::destroyed, [players] {});
}

} // namespace

void findStarAsPlayer(MainWindow &window)
{
    const std::shared_ptr<const PlayerCopy> players = window.playerCopy();
    if (!players)
        return;
    auto *find = new FindStarPopup(players->stars(), window.canvas());
    keep(window, find, kPlayerFindStar, players);
    QObject::connect(find, &FindStarPopup::starChosen, &window,
        [&window, players](int star) { window.navigation()->markerPressed(players->toCatalogue(star), 1); });
    QObject::connect(find, &FindStarPopup::secondStarChosen, &window, [&window, players](int star) {
        if (indexEntryPressed(window.model().view, window.table(), players->toCatalogue(star), 2)
            == WindowAction::Redraw)
            window.refreshMap();
    });
    find->open();
}

void findNotesAsPlayer(MainWindow &window)
{
    const std::shared_ptr<const PlayerCopy> players = window.playerCopy();
    if (!players)
        return;
    auto *panel = new NotesSearchPanel(players->model().notes, players->stars(), &window);
    keep(window, panel, kPlayerFindNotes, players);
    const auto choose
        = [&window, players](int star) { window.navigation()->markerPressed(players->toCatalogue(star), 1); };
    QObject::connect(panel, &NotesSearchPanel::starChosen, &window, choose);
    QObject::connect(
        panel, &NotesSearchPanel::showInIndex, &window, [choose](const NotesMatch &match) { choose(match.star); });
    panel->open();
}
