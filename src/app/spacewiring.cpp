#include "app/spacewiring.h"

#include "app/commandwiring.h"
#include "app/navigationwiring.h"
#include "app/revealwiring.h"
#include "app/workspace.h"
#include "navigation/selection.h"
#include "reveal/playercopy.h"
#include "spaceview/scenepainter.h"
#include "spaceview/spacesettings.h"
#include "spaceview/spaceviewcanvas.h"
#include "spaceview/spaceviewwindow.h"

#include <QAction>
#include <QCursor>

#include <optional>

void wireSpaceView(Workspace &workspace, const CommandServices &commandServices)
{
    const SpaceServices services { commandServices.fileDialog, commandServices.messages, commandServices.resolution,
        commandServices.printDialog, workspace.printer() };
    QMainWindow *window = &workspace.window();
    // The window is made on first use; until then a redraw costs it nothing.
    auto open = [&workspace, window, services]() {
        auto *space = window->findChild<SpaceViewWindow *>();
        if (!space) {
            space = new SpaceViewWindow(services, window);
            QObject::connect(&workspace.redraw(), &MapRedraw::mapDrawn, space, [&workspace, space] {
                if (const MapModel *shown = workspace.redraw().shownModel())
                    space->follow(*shown);
            });
            // The map's territory lies on the plane the 3-D view shows.
            QObject::connect(space, &SpaceViewWindow::optionsSet, window, [&workspace](const SpaceOptions &options) {
                const bool throughCentre = options.planeThroughCentre;
                if (workspace.model().view.territoryPlaneThroughSelected != throughCentre) {
                    workspace.model().view.territoryPlaneThroughSelected = throughCentre;
                    workspace.redraw().refresh();
                }
            });
            QObject::connect(space, &SpaceViewWindow::starPicked, window, [&workspace, space](int shown, int button) {
                // The 3D View draws the shown model, whose stars the player view numbers apart.
                const int star = workspace.redraw().catalogueStar(shown);
                if (button == 1) {
                    workspace.navigation()->markerPressed(star, 1);
                } else if (indexEntryPressed(workspace.model().view, workspace.table(), star, 2)
                    == WindowAction::Redraw) {
                    workspace.redraw().refresh();
                }
                if (button == 2)
                    revealWiring(workspace).starMenu().popUp(star, QCursor::pos(), space);
            });
        }
        if (const MapModel *shown = workspace.redraw().shownModel())
            space->follow(*shown);
        space->show();
        space->raise();
        space->activateWindow();
    };
    workspace.model().view.territoryPlaneThroughSelected = SpaceSettings::load().options.planeThroughCentre;
    QObject::connect(workspace.menu().spaceViewAction, &QAction::triggered, window, open);
}

OverviewPicture spaceViewPicture(Workspace &workspace, bool forPlayers)
{
    return [&workspace, forPlayers](QPainter &painter, const QRectF &area, bool light) {
        const MapModel *const drawn = workspace.redraw().shownModel();
        if (!drawn)
            return;
        const std::optional<PlayerCopy> players = forPlayers ? std::make_optional<PlayerCopy>(*drawn) : std::nullopt;
        const MapModel *shown = players ? &players->model() : drawn;
        SpaceSettings view = SpaceSettings::load();
        QSizeF viewport;
        if (const auto *space = workspace.window().findChild<SpaceViewWindow *>()) {
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
