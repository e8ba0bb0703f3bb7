#include "app/politieswiring.h"

#include "app/editwiring.h"
#include "app/mainwindow.h"
#include "app/revealwiring.h"
#include "polities/politieswindow.h"
#include "polities/polityedits.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace {

// The right-click menu's polity entries for `star`: which polity it belongs to, as a choice that
// moves it (one undoable command, as the Polities window's buttons make), and the window itself.
void addPolitySection(MainWindow &window, QMenu &menu, int star)
{
    const Polities &polities = window.model().campaign.polities;
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
        QObject::connect(action, &QAction::triggered, &window, [&window, star, polity, command] {
            const Polities after = polityedits::assigned(window.model().campaign.polities, { star }, polity);
            editWiring(window).perform(command, [&window, after] { window.model().campaign.polities = after; });
        });
    };
    for (size_t p = 0; p < polities.list.size(); ++p)
        choice(polities.list[p].name, int(p));
    if (!polities.list.empty())
        belongs->addSeparator();
    choice(QStringLiteral("None"), Polities::kNone);
    QObject::connect(menu.addAction(QStringLiteral("Polities…")), &QAction::triggered, window.menu().politiesAction,
        &QAction::trigger);
}

} // namespace

PolitiesWindow &politiesWindow(MainWindow &window)
{
    if (auto *existing = window.findChild<PolitiesWindow *>(QString(), Qt::FindDirectChildrenOnly))
        return *existing;
    auto *polities = new PolitiesWindow(window.model(), &window);
    polities->setWindowFlag(Qt::Tool);
    QObject::connect(
        polities, &PolitiesWindow::changeRequested, &window, [&window](const QString &command, const Polities &after) {
            editWiring(window).perform(command, [&window, &after] { window.model().campaign.polities = after; });
        });
    QObject::connect(&window, &MainWindow::mapDrawn, polities, [polities] {
        if (polities->isVisible())
            polities->showPolities();
    });
    return *polities;
}

void wirePolities(MainWindow &window)
{
    revealWiring(window).starMenu().addSection(
        [&window](QMenu &menu, int star) { addPolitySection(window, menu, star); });
    QObject::connect(window.menu().politiesAction, &QAction::triggered, &window, [&window] {
        PolitiesWindow &polities = politiesWindow(window);
        polities.showPolities();
        polities.show();
        polities.raise();
        polities.activateWindow();
    });
}
