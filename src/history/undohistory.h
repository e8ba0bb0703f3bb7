#pragma once

#include "history/editstate.h"

#include <QString>

#include <vector>

// Undo and redo of the commands that change notes. Each step keeps the state before and after its
// command and which parts of it the command changed; undoing it sets back only those parts, so
// scrolling or typing done since is left alone. Taking a step back and then recording a new one
// forgets the steps that were undone.
class UndoHistory
{
public:
    static constexpr size_t kMaxSteps = 100;

    // Records the command `name` when `after` differs from `before`; returns whether it did.
    bool record(const QString &name, const EditState &before, const EditState &after);

    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_steps.size(); }
    // The name of the command the next undo or redo takes back or does again.
    QString undoName() const { return canUndo() ? m_steps[m_done - 1].name : QString(); }
    QString redoName() const { return canRedo() ? m_steps[m_done].name : QString(); }

    // The state after undoing the last step done, given the state now; `now` when there is none.
    EditState undo(const EditState &now);
    // The state after doing again the last step undone, given the state now.
    EditState redo(const EditState &now);

private:
    struct Step
    {
        QString name;
        EditState before;
        EditState after;
        int parts;
    };

    std::vector<Step> m_steps;
    size_t m_done = 0; // steps done; those after it were undone
};
