#include "app/sessionrecovery.h"

#include "app/editwiring.h"
#include "app/workspace.h"
#include "common/regularfile.h"
#include "files/statecodec.h"
#include "index/notespanel.h"
#include "index/routepanel.h"
#include "index/stellarindexwindow.h"
#include "recovery/qtrecoveryprompt.h"
#include "recovery/recoveryfile.h"
#include "recovery/recoverykeeper.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTimer>

SessionRecovery::SessionRecovery(Workspace &workspace, std::unique_ptr<RecoveryPrompt> prompt, const QString &folder)
    : QObject(&workspace.window())
    , m_workspace(workspace)
    , m_prompt(std::move(prompt))
    , m_slot(folder)
{ }

SessionRecovery::~SessionRecovery() = default;

void SessionRecovery::start()
{
    if (!m_slot.claimed()) {
        qWarning("No recovery file can be kept: the folder is not writable or every slot is taken");
        return;
    }
    EditWiring &edits = editWiring(m_workspace);
    m_keeper = new RecoveryKeeper(
        m_slot.fileName(), [&edits] { return edits.capture(); }, this);
    // Start-up is the first thing "last loaded": the program begins with no notes.
    const EditState start = edits.capture();
    if (!offerLeftover()) {
        delete std::exchange(m_keeper, nullptr);
        return;
    }
    m_keeper->setBaseline(start);

    connect(&edits, &EditWiring::fileDone, m_keeper, [this, &edits](StateFileCommands::FileEvent event, bool player) {
        // A player map leaves the game master's notes out, so saving one saves nothing of them.
        if (event == StateFileCommands::FileEvent::Read || !player)
            m_keeper->setBaseline(edits.capture());
    });
    // Every change of the notes, the place or the route ends in a redraw; typing and the jump
    // limit do not.
    connect(&m_workspace.redraw(), &MapRedraw::mapDrawn, m_keeper, &RecoveryKeeper::noteChange);
    StellarIndexWindow *index = m_workspace.stellarIndex();
    for (QPlainTextEdit *box : { index->notes()->gameMasterNotes(), index->notes()->playerNotes() })
        connect(box, &QPlainTextEdit::textChanged, m_keeper, &RecoveryKeeper::noteChange);
    connect(index->routePanel(), &RoutePanel::jumpLimitChanged, m_keeper, &RecoveryKeeper::noteChange);
    // Escape, Exit and the close box end the program at once: what changed in the last second is
    // written as the main window closes, and the file stays for the next start.
    m_workspace.window().installEventFilter(this);
    connect(qApp, &QCoreApplication::aboutToQuit, m_keeper, &RecoveryKeeper::update);
    connect(
        m_keeper, &RecoveryKeeper::writeFailed, this, [this](const QString &message) { m_prompt->inform(message); });
}

bool SessionRecovery::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_workspace.window() && event->type() == QEvent::Close && m_keeper)
        m_keeper->update();
    return QObject::eventFilter(watched, event);
}

bool SessionRecovery::offerLeftover()
{
    // This slot's file first, then those of other sessions that ended (two programs killed at once
    // leave two); one can be restored, every other is kept as a dated game state.
    bool restored = false;
    bool usable = !m_slot.hasLeftover() || offerFile(m_slot.fileName(), restored);
    for (const QString &other : m_slot.claimOtherLeftovers())
        offerFile(other, restored);
    m_slot.releaseOthers();
    return usable;
}

bool SessionRecovery::offerFile(const QString &fileName, bool &restored)
{
    QByteArray bytes;
    readRegularFile(fileName, kMaxStateBytes, bytes, nullptr);
    const auto contents = decodeRecovery(bytes, m_workspace.model().distances);
    const bool own = fileName == m_slot.fileName();
    const bool offered = contents && !restored;
    bool restoredHere = false;
    if (offered && m_prompt->askRestore(restoreQuestion(*contents))) {
        editWiring(m_workspace).apply(contents->state, EditState::All);
        restored = restoredHere = true;
        // This slot's file stays until this session writes its own in its place; another slot's
        // is kept aside, so that nothing restored is lost before then.
        if (own)
            return true;
    }
    const QString kept
        = m_slot.keepAsDated(fileName, contents ? contents->lastChange : QFileInfo(fileName).lastModified());
    if (kept.isEmpty()) {
        if (own)
            m_prompt->inform(QStringLiteral("The recovery file %1 could not be renamed. No recovery file is kept "
                                            "for this session, so that it is not overwritten.")
                                 .arg(fileName));
        return !own;
    }
    if (!contents)
        m_prompt->inform(QStringLiteral("The recovery file could not be read; it is kept as %1.").arg(kept));
    else if (!offered)
        m_prompt->inform(QStringLiteral("Another session also ended with unsaved notes (%1); they are kept as %2.")
                             .arg(changeSummary(*contents), kept));
    else if (!restoredHere)
        m_prompt->inform(QStringLiteral("The unsaved notes were not restored; they are kept in %1, which Load Game "
                                        "State opens.")
                             .arg(kept));
    return true;
}

void startSessionRecovery(Workspace &workspace, std::optional<SessionScript> script)
{
    std::unique_ptr<RecoveryPrompt> prompt
        = script ? std::move(script->prompt) : std::make_unique<QtRecoveryPrompt>(&workspace.window());
    std::function<void(RecoveryKeeper *)> started = script ? std::move(script->started) : nullptr;
    auto *recovery = new SessionRecovery(
        workspace, std::move(prompt), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    // From the event loop, so that the main window is drawn before the question comes.
    QTimer::singleShot(0, recovery, [recovery, started] {
        recovery->start();
        if (started)
            started(recovery->keeper());
    });
}
