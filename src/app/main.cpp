#include "app/launcher.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setOrganizationName(QStringLiteral("Velmora Interactive"));
    Launcher launcher;
    launcher.run();
    return QApplication::exec();
}
