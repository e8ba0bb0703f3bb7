#pragma once

#include <functional>

// The start-up procedure: show the splash, wait the full splash time while processing window
// events (the user may close the splash early), close the splash, show the main window.
struct StartupSteps
{
    std::function<void()> showSplash;
    std::function<double()> now; // seconds
    std::function<void()> processEvents;
    std::function<void()> closeSplash;
    std::function<void()> showMain;
    double waitSeconds = 5.0;
};

void runStartup(const StartupSteps &steps);
