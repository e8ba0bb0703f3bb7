#include "app/launcher.h"
#include "recovery/editscript.h"

#include <QApplication>

// The program as it ships, with the scripted edits of QUORVANE_EDIT_SCRIPT: the recovery tests
// drive its windows in a process of their own, so that they can kill it.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setOrganizationName(QStringLiteral("Velmora Interactive"));
    Launcher launcher;
    launcher.scriptSession(&EditScript::sessionFromEnvironment);
    launcher.run();
    return QApplication::exec();
}
