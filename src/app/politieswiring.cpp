#include "app/politieswiring.h"

#include "app/editwiring.h"
#include "app/revealwiring.h"
#include "app/workspace.h"
#include "politiesview/politieswindow.h"
#include "polities/polityedits.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace {

// The right-click menu's polity entries for `star`: which polity it belongs to, as a choice that
// moves it (one undoable command, as the Polities window's buttons make), and the window itself.
void addPolitySection(Workspace &workspace, QMenu &menu, int star)
{
    const Polities &polities = workspace.model().campaign.polities;
    if (star < 0 || size_t(star) >= polities.memberOf.size())
        return;
    QMenu *belongs = menu.addMenu(QStringLiteral("Polity"));
    belongs->setObjectName(QStringLiteral("politymenu"));
    auto *group = new QActionGroup(belongs);
    const int current = polityedits::polityOf(polities, star);
    const auto choice = [&](const QString &caption, int polity) {
        QAction *action = belongs->addAction(caption);
        action->setCheckable(true);
        action->setChecked(current == polity);
        group->addAction(action);
        const QString command = polity == Polities::kNone ? QStringLiteral("Release Star from Polity")
                                                          : QStringLiteral("Assign Star to Polity");
        QObject::connect(action, &QAction::triggered, &workspace.window(), [&workspace, star, polity, command] {
            const Polities after = polityedits::assigned(workspace.model().campaign.polities, { star }, polity);
            editWiring(workspace).perform(
                command, [&workspace, after] { workspace.model().campaign.polities = after; });
        });
    };
    for (size_t p = 0; p < polities.list.size(); ++p)
        choice(polities.list[p].name, int(p));
    if (!polities.list.empty())
        belongs->addSeparator();
    choice(QStringLiteral("None"), Polities::kNone);
    QObject::connect(menu.addAction(QStringLiteral("Polities…")), &QAction::triggered, workspace.menu().politiesAction,
        &QAction::trigger);
}

} // namespace

PolitiesWindow &politiesWindow(Workspace &workspace)
{
    QMainWindow &window = workspace.window();
    if (auto *existing = window.findChild<PolitiesWindow *>(QString(), Qt::FindDirectChildrenOnly))
        return *existing;
    auto *polities = new PolitiesWindow(workspace.model(), &window);
    polities->setWindowFlag(Qt::Tool);
    QObject::connect(polities, &PolitiesWindow::changeRequested, &window,
        [&workspace](const QString &command, const Polities &after) {
            editWiring(workspace).perform(
                command, [&workspace, &after] { workspace.model().campaign.polities = after; });
        });
    QObject::connect(&workspace.redraw(), &MapRedraw::mapDrawn, polities, [polities] {
        if (polities->isVisible())
            polities->showPolities();
    });
    return *polities;
}

void wirePolities(Workspace &workspace)
{
    revealWiring(workspace).starMenu().addSection(
        [&workspace](QMenu &menu, int star) { addPolitySection(workspace, menu, star); });
    QObject::connect(workspace.menu().politiesAction, &QAction::triggered, &workspace.window(), [&workspace] {
        PolitiesWindow &polities = politiesWindow(workspace);
        polities.showPolities();
        polities.show();
        polities.raise();
        polities.activateWindow();
    });
}
