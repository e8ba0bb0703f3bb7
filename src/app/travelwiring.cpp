#include "app/travelwiring.h"

#include "app/mainwindow.h"
#include "index/routepanel.h"
#include "index/stellarindexwindow.h"
#include "mapview/displayoptionsdialog.h"
#include "travel/travelcommands.h"

#include <memory>

namespace {

// The Stellar Index and Display Options exist once the table is set up, before the first drawing.
void wirePanel(MainWindow &window, TravelCommands &commands)
{
    RoutePanel *panel = window.stellarIndex()->routePanel();
    QObject::connect(panel, &RoutePanel::plotRequested, &window, [&commands] { commands.plotSelectedRoute(); });
    QObject::connect(panel, &RoutePanel::clearRequested, &window, [&commands] { commands.clearRoute(); });
    QObject::connect(panel, &RoutePanel::jumpLimitChanged, &window, [&window](double limit) {
        window.model().travel.jumpLimit = limit;
        window.displayOptionsDialog()->setLinkLimit(limit);
        if (window.model().view.showLinks)
            window.refreshMap();
    });
}

} // namespace

void wireTravel(MainWindow &window, TravelCommands &commands)
{
    window.model().travel.jumpLimit = RoutePanel::savedJumpLimit();
    // A loaded travel plan may bring another limit: every drawing shows the model's.
    auto wired = std::make_shared<bool>(false);
    QObject::connect(&window, &MainWindow::mapDrawn, &window, [&window, &commands, wired] {
        if (!*wired) {
            wirePanel(window, commands);
            *wired = true;
        }
        const double limit = window.model().travel.jumpLimit;
        window.stellarIndex()->routePanel()->showJumpLimit(limit);
        window.displayOptionsDialog()->setLinkLimit(limit);
    });
}
