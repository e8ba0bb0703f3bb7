#include "history/undohistory.h"

bool UndoHistory::record(const QString &name, const EditState &before, const EditState &after)
{
    const int parts = EditState::differingParts(before, after);
    if (parts == 0)
        return false;
    m_steps.resize(m_done);
    m_steps.push_back({ name, before, after, parts });
    if (m_steps.size() > kMaxSteps)
        m_steps.erase(m_steps.begin());
    m_done = m_steps.size();
    return true;
}

EditState UndoHistory::undo(const EditState &now)
{
    if (!canUndo())
        return now;
    const Step &step = m_steps[--m_done];
    return now.with(step.before, step.parts);
}

EditState UndoHistory::redo(const EditState &now)
{
    if (!canRedo())
        return now;
    const Step &step = m_steps[m_done++];
    return now.with(step.after, step.parts);
}
