#pragma once

#include <QString>

class Clipboard;
class FileDialog;
class MainWindow;
class MessageBox;
class PrintDialog;
class ResolutionChooser;

// The dialogs and system services behind the File menu's commands.
struct CommandServices
{
    FileDialog &fileDialog;
    MessageBox &messages;
    Clipboard &clipboard;
    PrintDialog &printDialog;
    ResolutionChooser &resolution;
};

// Connects the File menu's game-state, player-map, print, notes and export commands to their menu actions,
// with `services` behind them, or the Qt dialogs, message boxes and clipboard when it is null.
// Called once by the main window; the commands live as long as it.
void wireCommands(MainWindow &window, const CommandServices *services);

// Loads a game state (.kmf) or player map (.ply) named on the command line, as File ▸ Recent Files
// does: a file that cannot be loaded gets the message a load gives.
void openStateFile(MainWindow &window, const QString &fileName);
