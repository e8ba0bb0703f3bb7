#include "recovery/recoverykeeper.h"

#include "recovery/recoveryfile.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
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
    return state.notes != baseline.notes || !(state.place == baseline.place) || !(state.travel == baseline.travel)
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
        m_done = now;
        emit updated(false);
        return;
    }
    const QString error
        = writeAtomically(m_fileName, encodeRecovery({ now, now.changedStars(m_baseline), m_lastChange }));
    if (!error.isEmpty()) {
        // Said once a run: the next change tries again.
        if (!std::exchange(m_failureReported, true))
            emit writeFailed(QStringLiteral("The recovery file %1 could not be written: %2").arg(m_fileName, error));
        return;
    }
    m_done = now;
    emit updated(true);
}

QString RecoveryKeeper::writeAtomically(const QString &fileName, const QByteArray &bytes)
{
    const QString part = fileName + QStringLiteral(".part");
    QFile file(part);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.remove();
        return error;
    }
    file.close();
    // rename() replaces the old file in one step; QFile::rename refuses to replace one.
    if (std::rename(QFile::encodeName(part).constData(), QFile::encodeName(fileName).constData()) != 0) {
        const QString error = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(part);
        return error;
    }
    return {};
}
