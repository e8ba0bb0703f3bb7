#include "app/startup.h"

#include <QElapsedTimer>
#include <QTimer>

#include <cmath>

namespace {

// Finishes the start-up once `clock` shows the wait over; a timer that fires early is set again
// for the rest.
void finishWhenDue(const StartupSteps &steps, QElapsedTimer clock, QObject *context)
{
    const qint64 left = static_cast<qint64>(std::ceil(steps.waitSeconds * 1000.0)) - clock.elapsed();
    if (left > 0) {
        QTimer::singleShot(std::chrono::milliseconds(left), Qt::PreciseTimer, context,
            [steps, clock, context] { finishWhenDue(steps, clock, context); });
        return;
    }
    steps.closeSplash();
    steps.showMain();
}

} // namespace

void runStartup(const StartupSteps &steps, QObject *context)
{
    steps.showSplash();
    QElapsedTimer clock;
    clock.start();
    // Always through the event loop, so that the splash paints and its handlers run first.
    QTimer::singleShot(0, context, [steps, clock, context] { finishWhenDue(steps, clock, context); });
}
