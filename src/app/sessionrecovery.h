#pragma once

#include "recovery/recoveryprompt.h"
#include "recovery/recoveryslot.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class RecoveryKeeper;
class Workspace;

// The recovery file of the running program: at start-up it offers to restore the file a session
// that ended with unsaved changes left (Discard keeps it as a dated game-state file), then keeps
// this session's file up to date with every change and with every save and load.
class SessionRecovery : public QObject
{
    Q_OBJECT
public:
    // `folder`: where recovery files are kept (the user's data folder in the program).
    SessionRecovery(Workspace &workspace, std::unique_ptr<RecoveryPrompt> prompt, const QString &folder);
    ~SessionRecovery() override;

    // Asks about a file left behind, if any, and starts keeping this session's file.
    void start();
    // Null until start() and when the folder cannot be used.
    RecoveryKeeper *keeper() const { return m_keeper; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // False when this slot's file left behind could be neither restored nor moved aside.
    bool offerLeftover();
    // Offers one file left behind unless one was `restored` already; what is not restored is kept
    // as a dated game state. False when this slot's file could not be moved aside.
    bool offerFile(const QString &fileName, bool &restored);

    Workspace &m_workspace;
    std::unique_ptr<RecoveryPrompt> m_prompt;
    RecoverySlot m_slot;
    RecoveryKeeper *m_keeper = nullptr;
};

// A session driven by a test program that runs the windows in its own process: the prompt that answers
// the recovery question, and what it does once the recovery file is kept.
struct SessionScript
{
    std::unique_ptr<RecoveryPrompt> prompt;
    std::function<void(RecoveryKeeper *)> started;
};

// Starts the recovery of the running program with the main window shown, in the user's data folder.
// Without a script the recovery question is asked in a message box.
void startSessionRecovery(Workspace &workspace, std::optional<SessionScript> script);
