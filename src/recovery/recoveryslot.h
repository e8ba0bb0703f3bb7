#pragma once

#include <QDateTime>
#include <QString>

#include <QStringList>

#include <memory>
#include <vector>

class QLockFile;

// This session's recovery file in the program's data folder. Each running session holds a lock on
// its own file ("recovery.kmf", or "recovery-2.kmf" and on while other sessions run), so two
// sessions never write one file; a file whose lock no running session holds was left by a session
// that ended without removing it.
class RecoverySlot
{
public:
    static constexpr int kSlots = 9;

    // Claims the first slot no running session holds, creating the folder when needed.
    explicit RecoverySlot(const QString &folder);
    ~RecoverySlot();

    bool claimed() const { return static_cast<bool>(m_lock); }
    const QString &fileName() const { return m_fileName; }
    // Whether the slot holds a file left by a session that ended.
    bool hasLeftover() const;
    // The files of the other slots left by sessions that ended (two programs killed at once leave
    // two). Their locks are held until releaseOthers(), so no session starting meanwhile takes them.
    QStringList claimOtherLeftovers();
    void releaseOthers();
    // Keeps a left file (this slot's by default) as "unsaved-notes-<date>-<time>.kmf" in the folder,
    // dated `lastChange`; returns its new name, or empty when it could not be moved.
    QString keepAsDated(const QDateTime &lastChange) { return keepAsDated(m_fileName, lastChange); }
    QString keepAsDated(const QString &fileName, const QDateTime &lastChange);

private:
    QString m_folder;
    QString m_fileName;
    std::unique_ptr<QLockFile> m_lock;
    std::vector<std::unique_ptr<QLockFile>> m_others;
};
