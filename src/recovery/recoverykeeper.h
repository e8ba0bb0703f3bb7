#pragma once

#include "history/editstate.h"
#include "recovery/recoveryfile.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

// Keeps the recovery file up to date: a second after a change is reported it compares the state
// with what was last saved or loaded; while they differ the file holds the state, and once they
// are equal again the file is removed. The work runs from a timer in the event loop, never inside
// a redraw, and reading the state costs little (copies share the note texts).
//
// The file is replaced by renaming a finished temporary file over it (see RecoveryWriter).
class RecoveryKeeper : public QObject
{
    Q_OBJECT
public:
    static constexpr int kDelayMs = 1000;

    RecoveryKeeper(QString fileName, std::function<EditState()> capture, QObject *parent = nullptr);

    const QString &fileName() const { return m_fileName; }
    // What was last saved or loaded. Its boxes do not count: the boxes are unsaved typing whenever
    // they differ from the selected star's notes.
    void setBaseline(const EditState &state);
    // Something may have changed; the file follows within kDelayMs.
    void noteChange();
    // Brings the file up to date now.
    void update();

    // Whether `state` holds anything that `baseline` does not.
    static bool differs(const EditState &state, const EditState &baseline);

signals:
    // After each update, with whether a recovery file is now kept.
    void updated(bool kept);
    void writeFailed(const QString &message);

private:
    QString m_fileName;
    std::function<EditState()> m_capture;
    QTimer m_timer;
    RecoveryWriter m_writer;
    EditState m_baseline;
    std::optional<EditState> m_done; // the state the file (or its absence) last matched
    QDateTime m_lastChange;
    bool m_failureReported = false;
};
