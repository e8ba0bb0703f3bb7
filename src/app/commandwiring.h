#pragma once

#include <QString>

#include <functional>

class Clipboard;
class FileDialog;
class MessageBox;
class PrintDialog;
class ResolutionChooser;
class Workspace;

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
// Called once by the main window; the commands live as long as it. Returns what the window asks
// before it closes: whether unsaved changes to the campaign may go (false keeps the window open).
std::function<bool()> wireCommands(Workspace &workspace, const CommandServices *services);

// Loads a game state (.kmf) or player map (.ply) named on the command line, as File ▸ Recent Files
// does: a file that cannot be loaded gets the message a load gives.
void openStateFile(Workspace &workspace, const QString &fileName);
