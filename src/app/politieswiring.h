#pragma once

class PolitiesWindow;
class Workspace;

// The "Polities" command: opens the Polities window beside the map (made on first use), records
// each change it asks for as an undoable command, and shows the polities again after every redraw
// (undo, redo and loading included).
void wirePolities(Workspace &workspace);

// The Polities window, made on first use.
PolitiesWindow &politiesWindow(Workspace &workspace);
