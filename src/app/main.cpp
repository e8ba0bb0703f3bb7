#include "app/launcher.h"
#include "common/filesizesignal.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    ignoreFileSizeSignal();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setOrganizationName(QStringLiteral("Velmora Interactive"));
    Launcher launcher;
    // A game state or player map opened from the file manager; with no argument the start-up is as ever.
    if (QApplication::arguments().size() > 1)
        launcher.openAfterStart(QApplication::arguments().at(1));
    launcher.run();
    return QApplication::exec();
}
