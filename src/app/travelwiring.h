#pragma once

class MainWindow;
class TravelCommands;

// Connects the Stellar Index's route row to the route commands and its jump limit to the model.
void wireTravel(MainWindow &window, TravelCommands &commands);
