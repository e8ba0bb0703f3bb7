#include "app/notesearchwiring.h"

#include "app/navigationwiring.h"
#include "app/playerfind.h"
#include "app/workspace.h"
#include "index/notespanel.h"
#include "index/stellarindexwindow.h"
#include "notesearch/boxposition.h"
#include "notesearch/notessearchpanel.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

void showInIndex(Workspace &workspace, const NotesMatch &match)
{
    StellarIndexWindow *index = workspace.stellarIndex();
    // As a left click on the star's entry: selected, recentred, its notes in the boxes.
    index->indexEntryPressed(match.star, 1);
    const NotesPanel *notes = index->notes();
    QPlainTextEdit *box = match.part == NotesPart::GameMaster ? notes->gameMasterNotes() : notes->playerNotes();
    const QString &text = match.part == NotesPart::GameMaster ? workspace.model().notes.gameMasterText(match.star)
                                                              : workspace.model().notes.playerText(match.star);
    QTextCursor cursor(box->document());
    cursor.setPosition(static_cast<int>(boxPosition(text, match.start)));
    cursor.setPosition(static_cast<int>(boxPosition(text, match.start + match.length)), QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
    box->ensureCursorVisible();
    workspace.showStellarIndex();
    box->setFocus(Qt::OtherFocusReason);
}

NotesSearchPanel *makePanel(Workspace &workspace)
{
    QMainWindow *window = &workspace.window();
    auto *panel = new NotesSearchPanel(workspace.model().notes, workspace.table(), window);
    QObject::connect(panel, &NotesSearchPanel::starChosen, window,
        [&workspace](int star) { workspace.navigation()->markerPressed(star, 1); });
    QObject::connect(panel, &NotesSearchPanel::showInIndex, window,
        [&workspace](const NotesMatch &match) { showInIndex(workspace, match); });
    // Saved notes and loaded files end in a redraw: the open list follows them.
    QObject::connect(&workspace.redraw(), &MapRedraw::mapDrawn, panel, [panel] {
        if (panel->isVisible())
            panel->refreshResults();
    });
    return panel;
}

} // namespace

void wireNotesSearch(Workspace &workspace)
{
    QObject::connect(workspace.menu().findNotesAction, &QAction::triggered, &workspace.window(), [&workspace] {
        if (workspace.redraw().viewAsPlayer()) {
            findNotesAsPlayer(workspace);
            return;
        }
        auto *panel
            = workspace.window().findChild<NotesSearchPanel *>(QStringLiteral("findnotes"), Qt::FindDirectChildrenOnly);
        (panel ? panel : makePanel(workspace))->open();
    });
}
