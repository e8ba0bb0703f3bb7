#pragma once

#include "playerview/playerview.h"
#include "spaceview/spacecamera.h"
#include "spaceview/spacescene.h"

#include <QWidget>

#include <memory>

class PlayerCopy;
struct MapModel;

// The window for the players' screen (a second monitor or a projector): the player view of the
// map or of the 3-D view, following the game master's selection, sector and camera. It holds only
// the player-safe copy of the campaign, made afresh from the game master's model each time, so
// nothing the game master opens or types in the main window can reach it. It remembers the screen
// it was on, and its place there, between runs.
class PlayerWindow : public QWidget
{
    Q_OBJECT
public:
    explicit PlayerWindow(QWidget *owner = nullptr);
    ~PlayerWindow() override;

    // Shows what the players know: `players`, the player-safe copy of the game master's model.
    void follow(std::shared_ptr<const PlayerCopy> players);
    void followCamera(const SpaceCamera &camera, const SpaceOptions &options);
    void setKind(playerview::Kind kind);
    playerview::Kind kind() const { return m_kind; }
    // What the window draws now; null before the first follow.
    const PlayerCopy *players() const { return m_players.get(); }

    // Puts the window on the screen and place it had last time (when that screen is still there).
    void restorePlace();
    void savePlace() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    std::shared_ptr<const PlayerCopy> m_players;
    SpaceCamera m_camera;
    SpaceOptions m_options;
    playerview::Kind m_kind = playerview::Kind::Map;
};
