#pragma once

class QAction;
class QMenu;
class QMenuBar;

// The main window's menu bar and the actions its handlers and commands are connected to.
struct MainMenu
{
    // File ▸ Game Master, Player and Print
    QAction *saveStateAction = nullptr;
    QAction *saveStateAsAction = nullptr;
    QAction *loadStateAction = nullptr;
    QAction *savePlayerAction = nullptr;
    QAction *loadPlayerAction = nullptr;
    QAction *printAction = nullptr;
    QAction *copyAllNotesAction = nullptr;
    QAction *copyPlayerNotesAction = nullptr;
    // File ▸ Export Map… and Export Player Handout…
    QAction *exportMapAction = nullptr;
    QAction *exportHandoutAction = nullptr;
    // File ▸ Export Atlas…
    QAction *exportAtlasAction = nullptr;
    QAction *copyRouteAction = nullptr;
    // File ▸ Travel
    QAction *plotRouteAction = nullptr;
    QAction *clearRouteAction = nullptr;
    QMenu *recentFilesMenu = nullptr; // File ▸ Recent Files, filled when it opens
    QAction *exitAction = nullptr;
    // Edit ▸ Undo and Redo, their captions naming the command ("Undo Load Player Map")
    QAction *undoAction = nullptr;
    QAction *redoAction = nullptr;
    // Edit ▸ Find Star…
    QAction *findStarAction = nullptr;
    // Edit ▸ Find in Notes
    QAction *findNotesAction = nullptr;
    // The menu bar's own commands and Help
    QAction *displayOptionsAction = nullptr;
    QAction *stellarIndexAction = nullptr;
    QAction *spaceViewAction = nullptr; // "3D View"
    QAction *politiesAction = nullptr; // "Polities"
    QAction *aboutAction = nullptr;
    QAction *quickStartAction = nullptr; // Help ▸ Quick Start: the help card again
    QAction *keysAction = nullptr; // Help ▸ Keys and Mouse

    // Fills the menu bar and returns its actions, connected to nothing yet.
    static MainMenu build(QMenuBar &bar);
};
