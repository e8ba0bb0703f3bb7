#include "app/spacewiring.h"

#include "app/commandwiring.h"
#include "app/mainwindow.h"
#include "app/navigationwiring.h"
#include "app/revealwiring.h"
#include "navigation/selection.h"
#include "reveal/playercopy.h"
#include "spaceview/scenepainter.h"
#include "spaceview/spacesettings.h"
#include "spaceview/spaceviewcanvas.h"
#include "spaceview/spaceviewwindow.h"

#include <QAction>
#include <QCursor>

#include <optional>

void wireSpaceView(MainWindow &window, const CommandServices &commandServices)
{
    const SpaceServices services { commandServices.fileDialog, commandServices.messages, commandServices.resolution,
        commandServices.printDialog, window.printer() };
    // The window is made on first use; until then a redraw costs it nothing.
    auto open = [&window, services]() {
        auto *space = window.findChild<SpaceViewWindow *>();
        if (!space) {
            space = new SpaceViewWindow(services, &window);
            QObject::connect(&window, &MainWindow::mapDrawn, space, [&window, space] {
                if (const MapModel *shown = window.shownModel())
                    space->follow(*shown);
            });
            // The map's territory lies on the plane the 3-D view shows.
            QObject::connect(space, &SpaceViewWindow::optionsSet, &window, [&window](const SpaceOptions &options) {
                const bool throughCentre = options.planeThroughCentre;
                if (window.model().view.territoryPlaneThroughSelected != throughCentre) {
                    window.model().view.territoryPlaneThroughSelected = throughCentre;
                    window.refreshMap();
                }
            });
            QObject::connect(space, &SpaceViewWindow::starPicked, &window, [&window, space](int shown, int button) {
                // The 3D View draws the shown model, whose stars the player view numbers apart.
                const int star = window.catalogueStar(shown);
                if (button == 1) {
                    window.navigation()->markerPressed(star, 1);
                } else if (indexEntryPressed(window.model().view, window.table(), star, 2) == WindowAction::Redraw) {
                    window.refreshMap();
                }
                if (button == 2)
                    revealWiring(window).starMenu().popUp(star, QCursor::pos(), space);
            });
        }
        if (const MapModel *shown = window.shownModel())
            space->follow(*shown);
        space->show();
        space->raise();
        space->activateWindow();
    };
    window.model().view.territoryPlaneThroughSelected = SpaceSettings::load().options.planeThroughCentre;
    QObject::connect(window.menu().spaceViewAction, &QAction::triggered, &window, open);
}

OverviewPicture spaceViewPicture(MainWindow &window, bool forPlayers)
{
    return [&window, forPlayers](QPainter &painter, const QRectF &area, bool light) {
        if (!window.shownModel())
            return;
        const std::optional<PlayerCopy> players
            = forPlayers ? std::make_optional<PlayerCopy>(*window.shownModel()) : std::nullopt;
        const MapModel *shown = players ? &players->model() : window.shownModel();
        SpaceSettings view = SpaceSettings::load();
        QSizeF viewport;
        if (const auto *space = window.findChild<SpaceViewWindow *>()) {
            view.camera = space->canvas()->camera();
            view.options = space->canvas()->options();
            viewport = space->canvas()->size();
        }
        view.options.stereoPair = false;
        SpaceScene scene = sceneFromModel(*shown);
        scene.light = light;
        paintSpaceView(painter, area, scene, view.camera, view.options, viewport);
    };
}
