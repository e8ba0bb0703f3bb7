#pragma once

#include "app/splashwindow.h"

class MainWindow;

// The program's start-up with the real splash window, clock and main window. The splash time is
// a parameter so that measurements can take the wait out; the program always waits five seconds.
class Launcher
{
public:
    explicit Launcher(double splashSeconds = 5.0);
    ~Launcher();

    // Shows the splash, waits, then loads and shows the main window (deleted when it closes).
    MainWindow *run();

private:
    SplashWindow m_splash;
    double m_splashSeconds;
};
