#pragma once

#include <QString>

#include <functional>

class CommonDialog;
class MessageBox;
struct MapModel;

// The File menu's game-state and player-map commands. Cancel, a declined overwrite, a missing
// file and any failure while writing or reading end a command silently.
class StateFileCommands
{
public:
    StateFileCommands(MapModel &model, CommonDialog &dialog, MessageBox &messages, std::function<void()> redraw);

    void saveGameState(); // "Save Game State"
    void loadGameState(); // "Load Game State"
    void savePlayerMap(); // "Save Player Map"
    void loadPlayerMap(); // "Load Player Map"

    // Writes the view state and the notes; a player map leaves every game-master text out. A game
    // state is followed by its travel side file.
    bool writeState(const QString &fileName, bool playerMode);
    // Replaces the selection, the second star, the origin, the colour code and every note with the
    // file's, then redraws. A game state (not a player map) also takes the route and jump limit of
    // its travel side file, or no route when that is absent or malformed (with a message). A failed
    // read keeps what was read so far and does not redraw.
    bool readState(const QString &fileName, bool playerMode = false);

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
    void save(const DialogSetting &setting, bool playerMode);
    void load(const DialogSetting &setting, bool playerMode);
    void readTravelPlan(const QString &fileName);

    MapModel &m_model;
    CommonDialog &m_dialog;
    MessageBox &m_messages;
    std::function<void()> m_redraw;
    std::function<void(FileEvent, bool)> m_listener = [](FileEvent, bool) {};
};
