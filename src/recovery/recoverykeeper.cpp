#include "recovery/recoverykeeper.h"

#include <QFile>

#include <utility>

RecoveryKeeper::RecoveryKeeper(QString fileName, std::function<EditState()> capture, QObject *parent)
    : QObject(parent)
    , m_fileName(std::move(fileName))
    , m_capture(std::move(capture))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryKeeper::update);
}

void RecoveryKeeper::setBaseline(const EditState &state)
{
    m_baseline = state;
    m_done.reset();
    noteChange();
}

void RecoveryKeeper::noteChange()
{
    m_lastChange = QDateTime::currentDateTime();
    if (!m_timer.isActive())
        m_timer.start();
}

bool RecoveryKeeper::differs(const EditState &state, const EditState &baseline)
{
    return state.notes != baseline.notes || !(state.place == baseline.place) || state.campaign != baseline.campaign
        || state.boxes != boxesForStar(state.notes, state.place.selectedStar);
}

void RecoveryKeeper::update()
{
    m_timer.stop();
    const EditState now = m_capture();
    if (m_done && EditState::differingParts(now, *m_done) == 0)
        return;
    if (!differs(now, m_baseline)) {
        QFile::remove(m_fileName);
        QFile::remove(temporaryFileName(m_fileName));
        m_done = now;
        emit updated(false);
        return;
    }
    const QString error = m_writer.write(m_fileName, { now, now.changedStars(m_baseline), m_lastChange });
    if (!error.isEmpty()) {
        // Said once a run: the next change tries again.
        if (!std::exchange(m_failureReported, true))
            emit writeFailed(QStringLiteral("The recovery file %1 could not be written: %2").arg(m_fileName, error));
        return;
    }
    m_done = now;
    emit updated(true);
}
