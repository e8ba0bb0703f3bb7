#pragma once

#include "app/sessionrecovery.h"
#include "recovery/recoveryprompt.h"

#include <QObject>
#include <QStringList>

class MainWindow;
class RecoveryKeeper;

// Scripted edits, so that tests can drive the real windows in a process of their own (the test
// program quorvane_scripted, never the shipped one): when the environment variable
// QUORVANE_EDIT_SCRIPT names a file, the program answers the recovery question from it and then
// runs its other lines once the main window is up. Lines:
//   restore | discard        the answer to the recovery question (discard when neither is given)
//   select N | second N      a left / right click on entry N of the Stellar Index
//   gm TEXT | player TEXT    types TEXT at the end of that notes box (\n \t \\ are a line break, a tab, a backslash)
//   save-notes               Save System Notes
//   key Right|Left|Up|Down   that cursor key on the map
//   limit X                  the jump limit
//   plot                     Plot Route
//   wait                     waits until the recovery file is up to date, then prints "recovery up to date"
//   dump FILE                writes everything the recovery file would hold to FILE
//   quit                     File ▸ Exit, leaving unsaved changes unsaved without asking
// Without the variable the test program runs as the shipped one does.
class EditScript : public QObject, public RecoveryPrompt
{
    Q_OBJECT
public:
    // The session of the script the environment names, or none.
    static std::optional<SessionScript> sessionFromEnvironment(MainWindow &window);

    bool askRestore(const QString &question) override;
    void inform(const QString &message) override;
    // Runs the lines from the next one on, until a "wait" or the end.
    void run(RecoveryKeeper *keeper);

private:
    EditScript(MainWindow &window, QStringList lines);
    bool perform(const QString &command, const QString &argument);

    MainWindow &m_window;
    QStringList m_lines;
    int m_next = 0;
    RecoveryKeeper *m_keeper = nullptr;
};
