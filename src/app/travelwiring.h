#pragma once

class TravelCommands;
class Workspace;

// Connects the Stellar Index's route row to the route commands and its jump limit to the model.
void wireTravel(Workspace &workspace, TravelCommands &commands);
