#include "app/travelwiring.h"

#include "app/workspace.h"
#include "index/routepanel.h"
#include "index/stellarindexwindow.h"
#include "travel/travelcommands.h"

void wireTravel(Workspace &workspace, TravelCommands &commands)
{
    QMainWindow *window = &workspace.window();
    RoutePanel *panel = workspace.stellarIndex()->routePanel();
    workspace.model().campaign.travel.jumpLimit = panel->jumpLimit(); // as remembered from the last run
    // The main window shows the model's limit in Display Options each time it opens; the Stellar
    // Index stays open beside the map and takes it with every redraw (a loaded game state ends in one).
    QObject::connect(panel, &RoutePanel::plotRequested, window, [&commands] { commands.plot(false); });
    QObject::connect(panel, &RoutePanel::clearRequested, window, [&commands] { commands.clearRoute(); });
    QObject::connect(panel, &RoutePanel::copyRequested, window, [&commands] { commands.copyRoute(); });
    QObject::connect(
        panel, &RoutePanel::jumpLimitChanged, window, [&commands](double limit) { commands.setJumpLimit(limit); });
    // Every change of the route (plotted, cleared, loaded, plotted again at a new limit) ends in a redraw.
    QObject::connect(&workspace.redraw(), &MapRedraw::mapDrawn, panel, [panel, &commands, &workspace] {
        panel->showRoute(commands.shownText());
        panel->showJumpLimit(workspace.model().campaign.travel.jumpLimit);
    });
}
