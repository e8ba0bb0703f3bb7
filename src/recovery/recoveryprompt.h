#pragma once

#include <QString>

// The question about a recovery file left by a session that ended, and messages about the files.
class RecoveryPrompt
{
public:
    virtual ~RecoveryPrompt() = default;
    // Asks `question` with the buttons "Restore" and "Discard"; true for Restore.
    virtual bool askRestore(const QString &question) = 0;
    virtual void inform(const QString &message) = 0;
};
