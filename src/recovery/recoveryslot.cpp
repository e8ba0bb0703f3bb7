#include "recovery/recoveryslot.h"

#include <QDir>
#include <QFile>
#include <QLockFile>

namespace {

QString slotName(int slot)
{
    return slot == 1 ? QStringLiteral("recovery.kmf") : QStringLiteral("recovery-%1.kmf").arg(slot);
}

// The lock of a slot's file, taken when no running session holds it.
std::unique_ptr<QLockFile> lockOf(const QString &fileName)
{
    auto lock = std::make_unique<QLockFile>(fileName + QStringLiteral(".lock"));
    // A lock is stale only when its session is no longer running, however old it is.
    lock->setStaleLockTime(0);
    return lock->tryLock(0) ? std::move(lock) : nullptr;
}

} // namespace

RecoverySlot::RecoverySlot(const QString &folder)
    : m_folder(folder)
{
    if (!QDir().mkpath(folder))
        return;
    const QDir dir(folder);
    for (int i = 1; i <= kSlots && !m_lock; ++i) {
        if ((m_lock = lockOf(dir.filePath(slotName(i)))))
            m_fileName = dir.filePath(slotName(i));
    }
}

QStringList RecoverySlot::claimOtherLeftovers()
{
    QStringList files;
    const QDir dir(m_folder);
    for (int i = 1; i <= kSlots && claimed(); ++i) {
        const QString name = dir.filePath(slotName(i));
        if (name == m_fileName || !QFile::exists(name))
            continue;
        if (auto lock = lockOf(name)) {
            m_others.push_back(std::move(lock));
            files << name;
        }
    }
    return files;
}

void RecoverySlot::releaseOthers()
{
    m_others.clear();
}

RecoverySlot::~RecoverySlot() = default;

bool RecoverySlot::hasLeftover() const
{
    return claimed() && QFile::exists(m_fileName);
}

QString RecoverySlot::keepAsDated(const QString &fileName, const QDateTime &lastChange)
{
    const QDir dir(m_folder);
    const QString stem = QStringLiteral("unsaved-notes-") + lastChange.toString(QStringLiteral("yyyy-MM-dd-HHmm"));
    QString name = dir.filePath(stem + QStringLiteral(".kmf"));
    for (int n = 2; QFile::exists(name); ++n)
        name = dir.filePath(QStringLiteral("%1-%2.kmf").arg(stem).arg(n));
    return QFile::rename(fileName, name) ? name : QString();
}
