#include "app/launcher.h"

#include "app/commandwiring.h"
#include "app/mainwindow.h"
#include "app/sessionrecovery.h"
#include "app/startup.h"
#include "mapview/displaysettings.h"

#include <QScreen>
#include <QSettings>
#include <QTimer>

Launcher::Launcher(double splashSeconds)
    : m_splashSeconds(splashSeconds)
{ }

Launcher::~Launcher() = default;

MainWindow *Launcher::mainWindow() const
{
    return m_mainWindow.data();
}

void Launcher::run()
{
    StartupSteps steps;
    steps.waitSeconds = m_splashSeconds;
    steps.showSplash = [this] {
        // A splash screen is not counted as the program's last window: clicking it away early does
        // not end the event loop, and the start-up goes on to the main window (the start-up test
        // checks this).
        if (const QScreen *screen = m_splash.screen())
            m_splash.move(screen->geometry().center() - m_splash.rect().center());
        m_splash.show();
    };
    steps.closeSplash = [this] { m_splash.close(); };
    steps.showMain = [this] {
        m_mainWindow = new MainWindow(&m_splash);
        m_mainWindow->setAttribute(Qt::WA_DeleteOnClose);
        // The Display Options of the last run; each drawing keeps the ones it was drawn with for the next.
        m_mainWindow->model().options = DisplaySettings::load(QSettings());
        QObject::connect(m_mainWindow, &MainWindow::mapDrawn, m_mainWindow, [window = m_mainWindow.data()] {
            QSettings settings;
            DisplaySettings::save(settings, window->model().options);
        });
        m_mainWindow->startUp();
        m_mainWindow->show();
        // The menu shortcuts and the map's keys work at once, without a first click on the map.
        m_mainWindow->raise();
        m_mainWindow->activateWindow();
        startSessionRecovery(m_mainWindow->workspace(), m_makeScript ? m_makeScript(*m_mainWindow) : std::nullopt);
        // After the first map is on the screen, so that a message about the file has a window under it.
        if (!m_fileToOpen.isEmpty())
            QTimer::singleShot(0, m_mainWindow, [this] { openStateFile(m_mainWindow->workspace(), m_fileToOpen); });
    };
    runStartup(steps, &m_splash);
}
