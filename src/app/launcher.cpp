#include "app/launcher.h"

#include "app/mainwindow.h"
#include "app/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>

Launcher::Launcher(double splashSeconds)
    : m_splashSeconds(splashSeconds)
{
}

Launcher::~Launcher() = default;

MainWindow *Launcher::run()
{
    MainWindow *mainWindow = nullptr;
    QElapsedTimer clock;
    clock.start();

    StartupSteps steps;
    steps.waitSeconds = m_splashSeconds;
    steps.showSplash = [this] {
        m_splash.move(m_splash.screen()->geometry().center() - m_splash.rect().center());
        m_splash.show();
    };
    steps.now = [&clock] { return clock.nsecsElapsed() / 1e9; };
    steps.processEvents = [] { QApplication::processEvents(QEventLoop::AllEvents, 20); };
    steps.closeSplash = [this] { m_splash.close(); };
    steps.showMain = [this, &mainWindow] {
        mainWindow = new MainWindow(&m_splash);
        mainWindow->setAttribute(Qt::WA_DeleteOnClose);
        mainWindow->Form_Load();
        mainWindow->show();
    };
    runStartup(steps);
    return mainWindow;
}
