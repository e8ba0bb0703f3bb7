#pragma once

class MainWindow;

// Connects the File menu's game-state, player-map, print and notes commands to their menu actions,
// with the Qt dialogs, message boxes and clipboard behind them. Called once by the main window.
void wireCommands(MainWindow &window);
