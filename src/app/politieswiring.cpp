#include "app/politieswiring.h"

#include "app/editwiring.h"
#include "app/mainwindow.h"
#include "polities/politieswindow.h"

#include <QAction>

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
    QObject::connect(window.menu().politiesAction, &QAction::triggered, &window, [&window] {
        PolitiesWindow &polities = politiesWindow(window);
        polities.showPolities();
        polities.show();
        polities.raise();
        polities.activateWindow();
    });
}
