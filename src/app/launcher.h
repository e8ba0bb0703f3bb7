#pragma once

#include "app/sessionrecovery.h"
#include "app/splashwindow.h"

#include <QPointer>

#include <functional>
#include <optional>

class MainWindow;

// Makes the scripted session of a main window, or none. The shipped program has no maker.
using SessionScriptMaker = std::function<std::optional<SessionScript>(MainWindow &)>;

// The program's start-up with the real splash window, clock and main window. The splash time is
// a parameter so that measurements can take the wait out; the program always waits five seconds.
class Launcher
{
public:
    explicit Launcher(double splashSeconds = 5.0);
    ~Launcher();

    // Shows the splash; the event loop then waits, loads and shows the main window (deleted when
    // it closes). Quitting the event loop before then ends the program without a main window.
    void run();
    // A game state or player map to load once the main window is shown (from the command line).
    void openAfterStart(const QString &fileName) { m_fileToOpen = fileName; }
    // A test program's scripted session in place of the recovery question (see startSessionRecovery).
    void scriptSession(SessionScriptMaker makeScript) { m_makeScript = std::move(makeScript); }
    // The main window once it is shown, null before and after it closes.
    MainWindow *mainWindow() const;

private:
    SplashWindow m_splash;
    double m_splashSeconds;
    QPointer<MainWindow> m_mainWindow;
    QString m_fileToOpen;
    SessionScriptMaker m_makeScript;
};
