#pragma once

class MainWindow;
class TravelCommands;

// Connects the Stellar Index's route row to the route commands, and keeps the jump limit shown
// there and named in Display Options in step with the model.
void wireTravel(MainWindow &window, TravelCommands &commands);
