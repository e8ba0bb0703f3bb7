#include "files/recentfilesmenu.h"

#include "files/recentfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

void fill(QMenu &menu, const std::function<void(const QString &)> &open)
{
    menu.clear();
    const QStringList files = recentfiles::list();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString &file = files.at(i);
        QString name = QFileInfo(file).fileName();
        QAction *action
            = menu.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name.replace(u'&', QLatin1String("&&"))));
        action->setToolTip(QDir::toNativeSeparators(file));
        action->setStatusTip(action->toolTip());
        QObject::connect(action, &QAction::triggered, &menu, [open, file] { open(file); });
    }
    if (files.isEmpty())
        menu.addAction(QStringLiteral("No recent files"))->setEnabled(false);
}

} // namespace

void connectRecentFilesMenu(QMenu &menu, std::function<void(const QString &fileName)> open)
{
    menu.setToolTipsVisible(true);
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [&menu, open] { fill(menu, open); });
    fill(menu, open);
}
