#pragma once

#include "common/safefile.h"
#include "files/readnotice.h"

#include <QString>

#include <functional>

class FileDialog;
class MessageBox;
struct StateFault;
struct MapModel;

// The File menu's game-state and player-map commands. Cancel, a declined overwrite and a missing
// file end a command silently. A file that cannot be written or read gets one message naming it and
// the system's reason; a file that does not have the expected layout changes nothing unless the
// user chooses to load what can be read of it.
class StateFileCommands
{
public:
    StateFileCommands(MapModel &model, FileDialog &dialog, MessageBox &messages, std::function<void()> redraw);

    // "Save Game State": to the current campaign file without a question, or as Save As when
    // there is none yet. False when nothing was written (cancelled or failed).
    bool saveGameState();
    bool saveGameStateAs(); // "Save Game State As…": always asks, offering the current file's name
    void loadGameState(); // "Load Game State"
    void savePlayerMap(); // "Save Player Map"
    void loadPlayerMap(); // "Load Player Map"

    // Writes the view state and the notes; a player map leaves every game-master text out. A game
    // state is followed by its campaign side file (travel plan, reveal states, polities).
    bool writeState(const QString &fileName, bool playerMode);
    // Replaces the selection, the second star, the origin, the colour code and every note with the
    // file's, then redraws. A game state (not a player map) also takes its campaign side file (or an
    // older one's travel file), or an empty campaign when that is absent or malformed (with a message
    // naming what is wrong). The
    // whole file is checked first: a file that fails changes nothing, or with the user's consent
    // loads its header and the notes before the fault.
    bool readState(const QString &fileName, bool playerMode = false);
    // A file named on the command line or in Recent Files: a ".ply" as a player map, any other
    // as a game state.
    bool openFile(const QString &fileName);

    // The game-state file last read in full or written, or empty: the campaign Save writes to.
    const QString &currentFile() const { return m_currentFile; }

    // The system calls saves go through (tests make them fail).
    void setFileCalls(const FileCalls &calls) { m_calls = calls; }

    // Told before a file is read, and after one was read or written in full (not after a failure),
    // so that undo and the recovery file can follow what the files change.
    enum class FileEvent { AboutToRead, Read, Written };
    void setListener(std::function<void(FileEvent, bool playerMode)> listener) { m_listener = std::move(listener); }

private:
    struct DialogSetting
    {
        const char *filter;
        const char *extension;
        const char *title;
        const char *fileName;
    };

    void prepare(const DialogSetting &setting);
    bool save(const DialogSetting &setting, bool playerMode);
    void load(const DialogSetting &setting, bool playerMode);
    void readCampaign(const QString &fileName);
    bool loadReadablePart(const QString &fileName, const StateFault &fault, const char *title);
    // A player map opened as a game state that would empty `lost` game-master texts: whether to
    // load it as a player map (keeping them); no loads nothing.
    bool askLoadAsPlayerMap(const QString &fileName, int lost);
    // One message after a load naming what was not taken as the file holds it.
    void tellNotices(const QString &fileName, const ReadNotices &notices, const char *title);
    void report(const char *what, const QString &fileName, const QString &reason, const char *title);

    MapModel &m_model;
    FileDialog &m_dialog;
    MessageBox &m_messages;
    std::function<void()> m_redraw;
    FileCalls m_calls = FileCalls::system();
    std::function<void(FileEvent, bool)> m_listener = [](FileEvent, bool) {};
    QString m_currentFile;
};
