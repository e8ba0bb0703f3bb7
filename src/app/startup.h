#pragma once

#include <functional>

class QObject;

// The start-up procedure: show the splash, wait the full splash time from then while the event loop
// runs (the user may close the splash early; that does not shorten the wait), close the splash,
// show the main window.
struct StartupSteps
{
    std::function<void()> showSplash;
    std::function<void()> closeSplash;
    std::function<void()> showMain;
    double waitSeconds = 5.0;
};

// Shows the splash and returns; the rest runs from the event loop once the wait is over. The wait
// is a timer, so the program sleeps through it, and nothing more happens when the event loop ends
// or `context` is destroyed first.
void runStartup(const StartupSteps &steps, QObject *context);
