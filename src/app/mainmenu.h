#pragma once

class QAction;
class QMenuBar;

// The main window's menu bar and the actions its handlers and commands are connected to.
struct MainMenu
{
    // File ▸ Game Master, Player and Print
    QAction *sfile = nullptr;
    QAction *fload = nullptr;
    QAction *splayer = nullptr;
    QAction *lplayer = nullptr;
    QAction *pfile = nullptr;
    QAction *nprint = nullptr;
    QAction *npprint = nullptr;
    // File ▸ Export Map… and Export Player Handout…
    QAction *exportmap = nullptr;
    QAction *exporthandout = nullptr;
    QAction *rprint = nullptr;
    // File ▸ Travel
    QAction *plotroute = nullptr;
    QAction *clearroute = nullptr;
    QAction *bye = nullptr;
    // Edit ▸ Find Star…
    QAction *findstar = nullptr;
    // The menu bar's own commands and Help
    QAction *dispopts = nullptr;
    QAction *dist = nullptr;
    QAction *About = nullptr;

    // Fills the menu bar and returns its actions, connected to nothing yet.
    static MainMenu build(QMenuBar &bar);
};
