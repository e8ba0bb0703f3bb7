#include "app/startup.h"

void runStartup(const StartupSteps &steps)
{
    steps.showSplash();
    const double start = steps.now();
    while (steps.now() - start < steps.waitSeconds)
        steps.processEvents();
    steps.closeSplash();
    steps.showMain();
}
