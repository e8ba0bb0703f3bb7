#include "app/notesearchwiring.h"

#include "app/mainwindow.h"
#include "app/navigationwiring.h"
#include "app/playerfind.h"
#include "index/notespanel.h"
#include "index/stellarindexwindow.h"
#include "notesearch/boxposition.h"
#include "notesearch/notessearchpanel.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

void showInIndex(MainWindow &window, const NotesMatch &match)
{
    StellarIndexWindow *index = window.stellarIndex();
    // As a left click on the star's entry: selected, recentred, its notes in the boxes.
    index->indexEntryPressed(match.star, 1);
    const NotesPanel *notes = index->notes();
    QPlainTextEdit *box = match.part == NotesPart::GameMaster ? notes->gameMasterNotes() : notes->playerNotes();
    const QString &text = match.part == NotesPart::GameMaster ? window.model().notes.gameMasterText(match.star)
                                                              : window.model().notes.playerText(match.star);
    QTextCursor cursor(box->document());
    cursor.setPosition(static_cast<int>(boxPosition(text, match.start)));
    cursor.setPosition(static_cast<int>(boxPosition(text, match.start + match.length)), QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
    box->ensureCursorVisible();
    window.showStellarIndex();
    box->setFocus(Qt::OtherFocusReason);
}

NotesSearchPanel *makePanel(MainWindow &window)
{
    auto *panel = new NotesSearchPanel(window.model().notes, window.table(), &window);
    QObject::connect(panel, &NotesSearchPanel::starChosen, &window,
        [&window](int star) { window.navigation()->markerPressed(star, 1); });
    QObject::connect(panel, &NotesSearchPanel::showInIndex, &window,
        [&window](const NotesMatch &match) { showInIndex(window, match); });
    // Saved notes and loaded files end in a redraw: the open list follows them.
    QObject::connect(&window, &MainWindow::mapDrawn, panel, [panel] {
        if (panel->isVisible())
            panel->refreshResults();
    });
    return panel;
}

} // namespace

void wireNotesSearch(MainWindow &window)
{
    QObject::connect(window.menu().findNotesAction, &QAction::triggered, &window, [&window] {
        if (window.viewAsPlayer()) {
            findNotesAsPlayer(window);
            return;
        }
        auto *panel = window.findChild<NotesSearchPanel *>(QStringLiteral("findnotes"), Qt::FindDirectChildrenOnly);
        (panel ? panel : makePanel(window))->open();
    });
}
