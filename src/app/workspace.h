#pragma once

#include "app/mainmenu.h"
#include "app/mapredraw.h"
#include "mapview/mapmodel.h"

#include <QMainWindow>

#include <functional>

class CurrentPrinter;
class DisplayOptionsDialog;
class MapCanvas;
class NavigationWiring;
class StellarIndexWindow;

// What the wiring of commands to windows works with, in place of the main window itself. The main
// window makes it once, before any wiring, and hands it to each; everything it refers to lives as
// long as the window.
class Workspace
{
public:
    // What the main window lends the wiring.
    struct Parts
    {
        QMainWindow &window;
        MapModel &model;
        const StarTable &table;
        const MainMenu &menu;
        MapCanvas &canvas;
        CurrentPrinter &printer;
        std::function<void()> setUpPage; // fits the window to the printer's page, and the texts with it
    };

    // textScale: the scale of the map's texts at the canvas's present size, for the redraw.
    Workspace(const Parts &parts, std::function<double()> textScale);
    Workspace(const Workspace &) = delete;
    Workspace &operator=(const Workspace &) = delete;

    // The main window: the parent of the wiring's objects and dialogs, and where they are looked up.
    QMainWindow &window() const { return m_parts.window; }
    // The game master's model, which every command reads and changes.
    MapModel &model() const { return m_parts.model; }
    // The catalogue's stars, which the model's star numbers index.
    const StarTable &table() const { return m_parts.table; }
    // The actions of the menu bar.
    const MainMenu &menu() const { return m_parts.menu; }
    // The map area of the main window.
    MapCanvas *canvas() const { return &m_parts.canvas; }
    // The printer the page is set up for.
    CurrentPrinter &printer() const { return m_parts.printer; }
    // Sets the window and the map's texts up for the printer's page again.
    void setUpPage() const { m_parts.setUpPage(); }

    // The one redraw: what it last showed, the player view's copy, and mapDrawn after every drawing.
    MapRedraw &redraw() { return m_redraw; }
    const MapRedraw &redraw() const { return m_redraw; }

    // The Stellar Index beside the map, made on first use.
    StellarIndexWindow *stellarIndex();
    // Shows the Stellar Index, its route row set to the model's jump limit.
    void showStellarIndex();
    // Display Options, made on first use (it reads the model's options as it is made).
    DisplayOptionsDialog *displayOptionsDialog();
    // Either window if made, otherwise null; makes neither.
    StellarIndexWindow *madeStellarIndex() const { return m_stellarIndex; }
    DisplayOptionsDialog *madeDisplayOptions() const { return m_displayOptions; }

    // The map's presses, keys and found stars; the main window sets it once, after the other wiring.
    NavigationWiring *navigation() const { return m_navigation; }
    void setNavigation(NavigationWiring *navigation) { m_navigation = navigation; }

private:
    Parts m_parts;
    MapRedraw m_redraw;
    StellarIndexWindow *m_stellarIndex = nullptr;
    DisplayOptionsDialog *m_displayOptions = nullptr;
    NavigationWiring *m_navigation = nullptr;
};
