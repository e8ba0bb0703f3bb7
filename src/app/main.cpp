#include "app/mainwindow.h"
#include "app/splashwindow.h"
#include "app/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setOrganizationName(QStringLiteral("Velmora Interactive"));

    SplashWindow splash;
    MainWindow *mainWindow = nullptr;
    QElapsedTimer clock;
    clock.start();

    StartupSteps steps;
    steps.showSplash = [&] {
        splash.move(splash.screen()->geometry().center() - splash.rect().center());
        splash.show();
    };
    steps.now = [&] { return clock.nsecsElapsed() / 1e9; };
    steps.processEvents = [] { QApplication::processEvents(QEventLoop::AllEvents, 20); };
    steps.closeSplash = [&] { splash.close(); };
    steps.showMain = [&] {
        mainWindow = new MainWindow(&splash);
        mainWindow->setAttribute(Qt::WA_DeleteOnClose);
        mainWindow->Form_Load();
        mainWindow->show();
    };
    runStartup(steps);
    return QApplication::exec();
}
