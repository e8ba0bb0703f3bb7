#include "app/travelwiring.h"

#include "app/mainwindow.h"
#include "index/routepanel.h"
#include "index/stellarindexwindow.h"
#include "travel/travelcommands.h"

void wireTravel(MainWindow &window, TravelCommands &commands)
{
    RoutePanel *panel = window.stellarIndex()->routePanel();
    window.model().campaign.travel.jumpLimit = panel->jumpLimit(); // as remembered from the last run
    // The main window shows the model's limit in Display Options each time it opens; the Stellar
    // Index stays open beside the map and takes it with every redraw (a loaded game state ends in one).
    QObject::connect(panel, &RoutePanel::plotRequested, &window, [&commands] { commands.plot(false); });
    QObject::connect(panel, &RoutePanel::clearRequested, &window, [&commands] { commands.clearRoute(); });
    QObject::connect(panel, &RoutePanel::copyRequested, &window, [&commands] { commands.copyRoute(); });
    QObject::connect(
        panel, &RoutePanel::jumpLimitChanged, &window, [&commands](double limit) { commands.setJumpLimit(limit); });
    // Every change of the route (plotted, cleared, loaded, plotted again at a new limit) ends in a redraw.
    QObject::connect(&window, &MainWindow::mapDrawn, panel, [panel, &commands, &window] {
        panel->showRoute(commands.shownText());
        panel->showJumpLimit(window.model().campaign.travel.jumpLimit);
    });
}
