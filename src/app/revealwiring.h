#pragma once

#include "reveal/revealcommands.h"
#include "reveal/starcontextmenu.h"

#include <QObject>

class PlayerWindow;
class QAction;
class QLabel;
class QMenu;
class Workspace;

// What the players know, in the main window: the "Players" menu (View as Player, the player
// window, reveal states for many stars), the right-click menu on a star of the map and the 3D View
// with its reveal section, the Stellar Index's "Players know" box and the View as Player banner.
class RevealWiring : public QObject
{
    Q_OBJECT
public:
    explicit RevealWiring(Workspace &workspace);

    RevealCommands &commands() { return m_commands; }
    StarContextMenu &starMenu() { return m_starMenu; }
    QAction *viewAsPlayerAction() const { return m_viewAsPlayer; }
    QAction *playerWindowAction() const { return m_playerWindow; }
    QLabel *banner() const { return m_banner; }
    QMenu *playersMenu() const { return m_playersMenu; }
    // The player window, made on first use; null before.
    PlayerWindow *playerWindow() const { return m_player; }
    void openPlayerWindow();

    // The reveal section of the star menu: the three states, the current one checked, and the
    // states for every star within some light years of it.
    void addRevealSection(QMenu &menu, int star);

private:
    void buildPlayersMenu();
    void showViewAsPlayer(bool on);
    void placeBanner();
    // Asks how far around `star` and sets every star within that distance to `state`.
    void setWithinAsked(int star, Reveal state);
    // The player window takes the game master's model and the 3D View's camera.
    void updatePlayerWindow();

    Workspace &m_workspace;
    RevealCommands m_commands;
    StarContextMenu m_starMenu;
    QMenu *m_playersMenu = nullptr;
    QAction *m_viewAsPlayer = nullptr;
    QAction *m_playerWindow = nullptr;
    QAction *m_playerSpace = nullptr;
    PlayerWindow *m_player = nullptr;
    bool m_cameraLinked = false;
    QLabel *m_banner;
};

// Creates the reveal wiring of the main window (once, after the edit wiring) and returns it.
RevealWiring &wireReveal(Workspace &workspace);
// The reveal wiring of the main window; its star menu is where other features add their sections.
RevealWiring &revealWiring(Workspace &workspace);
