#include "recovery/recoveryslot.h"

#include <QDir>
#include <QFile>
#include <QLockFile>

RecoverySlot::RecoverySlot(const QString &folder)
    : m_folder(folder)
{
    if (!QDir().mkpath(folder))
        return;
    const QDir dir(folder);
    for (int i = 1; i <= kSlots && !m_lock; ++i) {
        const QString name = i == 1 ? QStringLiteral("recovery.kmf") : QStringLiteral("recovery-%1.kmf").arg(i);
        auto lock = std::make_unique<QLockFile>(dir.filePath(name + QStringLiteral(".lock")));
        // A lock is stale only when its session is no longer running, however old it is.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            m_lock = std::move(lock);
            m_fileName = dir.filePath(name);
        }
    }
}

RecoverySlot::~RecoverySlot() = default;

bool RecoverySlot::hasLeftover() const
{
    return claimed() && QFile::exists(m_fileName);
}

QString RecoverySlot::keepAsDated(const QDateTime &lastChange)
{
    const QDir dir(m_folder);
    const QString stem = QStringLiteral("unsaved-notes-") + lastChange.toString(QStringLiteral("yyyy-MM-dd-HHmm"));
    QString name = dir.filePath(stem + QStringLiteral(".kmf"));
    for (int n = 2; QFile::exists(name); ++n)
        name = dir.filePath(QStringLiteral("%1-%2.kmf").arg(stem).arg(n));
    return QFile::rename(m_fileName, name) ? name : QString();
}
