#pragma once

#include <functional>

class CurrentPrinter;
class PrintDialog;
class QWidget;
class Surface;
struct MapModel;

// "Print Map": the user chooses a printer, the map is drawn once on an A4 landscape page at the
// nominal text scale, and the screen then returns to its own scale and drawing. Cancel and any
// failure print nothing and show nothing; the screen is restored on every path.
class PrintMapCommand
{
public:
    // Draws the map on a surface: the same redraw the window runs.
    using Draw = std::function<void(MapModel &, Surface &)>;

    // owner: the main window, which owns the dialog and whose font the page uses. setUpPage and redraw
    // are the window's own, run on the window after printing.
    PrintMapCommand(MapModel &model, CurrentPrinter &printer, PrintDialog &printDialog, QWidget *owner,
        std::function<void()> setUpPage, std::function<void()> redraw, Draw draw = redrawOnSurface);

    void printMap();

    static void redrawOnSurface(MapModel &model, Surface &surface);

private:
    bool printPage();

    MapModel &m_model;
    CurrentPrinter &m_printer;
    PrintDialog &m_printDialog;
    QWidget *m_owner;
    std::function<void()> m_setUpPage;
    std::function<void()> m_redraw;
    Draw m_draw;
};
