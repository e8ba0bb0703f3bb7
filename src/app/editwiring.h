#pragma once

#include "files/statefilecommands.h"
#include "history/undohistory.h"

#include <QObject>

#include <functional>
#include <optional>

class Workspace;

// Edit ▸ Undo and Redo over the commands that change notes (Save System Notes, Generate System,
// Load Game State, Load Player Map), and the one way to read and set everything the game master
// could lose (used by undo and the recovery file).
class EditWiring : public QObject
{
    Q_OBJECT
public:
    EditWiring(Workspace &workspace, StateFileCommands &files);

    // The notes, the boxes' texts, the place on the map and the travel plan now.
    EditState capture() const;
    // Sets the parts of `state` named in `parts` (EditState::Part), shows them and redraws. When
    // the selected star's notes change and the boxes are not set, the boxes show its new notes.
    void apply(const EditState &state, int parts);

    void undo();
    void redo();
    // Runs `change` on the model as one step named `name` (when it changed anything), then redraws.
    void perform(const QString &name, const std::function<void()> &change);
    const UndoHistory &history() const { return m_history; }

signals:
    // After a file was read or written in full.
    void fileDone(StateFileCommands::FileEvent event, bool playerMode);

private:
    void begin(const QString &name);
    void finish();
    void showHistory();

    Workspace &m_workspace;
    UndoHistory m_history;
    std::optional<std::pair<QString, EditState>> m_running; // the command under way and the state before it
};

// Creates the edit wiring of the main window (once, while the commands are wired) and returns it.
EditWiring &wireEdits(Workspace &workspace, StateFileCommands &files);
// The edit wiring of the main window.
EditWiring &editWiring(Workspace &workspace);
