// Start-up time, memory and key-to-frame latency of the real main window, with the splash wait
// taken out through the program's own start-up code.

#include "app/launcher.h"
#include "app/mainwindow.h"
#include "app/mapcanvas.h"
#include "benchmain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QProcess>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

// Peak resident memory of this process so far, in megabytes.
double peakResidentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1.0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1.0;
}

// Starts as the program does, without the splash wait, and returns the main window once shown.
MainWindow *startNow(Launcher &launcher)
{
    launcher.run();
    while (!launcher.mainWindow())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return launcher.mainWindow();
}

// Child mode: start as the program does (without the splash wait), say so once the first map is
// drawn, report the peak memory after the first map and after opening every window, then leave.
int runChild(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Launcher launcher(0.0);
    MainWindow *window = startNow(launcher);
    std::printf("map\n");
    std::fflush(stdout);
    const double afterFirstMap = peakResidentMb();
    window->showDisplayOptions();
    window->showStellarIndex();
    window->showAbout();
    QApplication::processEvents();
    const double afterAllWindows = peakResidentMb();
    std::printf("ready %.2f %.2f\n", afterFirstMap, afterAllWindows);
    std::fflush(stdout);
    window->close();
    return 0;
}
const BenchMode childMode("--child", runChild);

void BM_ProcessStartToFirstMap(benchmark::State &state)
{
    double firstMapMb = 0.0, allWindowsMb = 0.0, allWindowsMs = 0.0;
    for (auto _ : state) {
        QProcess child;
        QElapsedTimer timer;
        timer.start();
        child.start(QCoreApplication::applicationFilePath(), { QStringLiteral("--child") });
        // The time runs to the first map; opening the other windows afterwards is timed apart.
        QByteArray line;
        bool mapDrawn = false;
        while (!line.startsWith("ready") && (child.canReadLine() || child.waitForReadyRead(30000))) {
            line = child.readLine();
            if (line.startsWith("map") && !mapDrawn) {
                mapDrawn = true;
                state.SetIterationTime(timer.nsecsElapsed() / 1e9);
            }
        }
        allWindowsMs = timer.nsecsElapsed() / 1e6;
        const QList<QByteArray> fields = line.trimmed().split(' ');
        if (fields.size() == 3) {
            firstMapMb = fields[1].toDouble();
            allWindowsMb = fields[2].toDouble();
        } else {
            state.SkipWithError("the child did not report a drawn map");
        }
        child.waitForFinished(30000);
    }
    state.counters["peak_MB_first_map"] = firstMapMb;
    state.counters["peak_MB_all_windows"] = allWindowsMb;
    state.counters["ms_all_windows"] = allWindowsMs;
}
BENCHMARK(BM_ProcessStartToFirstMap)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_StartupToFirstMapInProcess(benchmark::State &state)
{
    for (auto _ : state) {
        Launcher launcher(0.0);
        MainWindow *window = startNow(launcher);
        benchmark::DoNotOptimize(window->canvas()->image().constBits());
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToFirstMapInProcess)->Unit(benchmark::kMillisecond);

void BM_RightArrowToNewFrame(benchmark::State &state)
{
    Launcher launcher(0.0);
    MainWindow *window = startNow(launcher);
    QApplication::processEvents();
    int presses = 0;
    for (auto _ : state) {
        // Alternate right and left so the sector never reaches the edge of the charted space.
        const int key = (presses++ % 2 == 0) ? Qt::Key_Right : Qt::Key_Left;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(window, &press);
        window->canvas()->repaint();
    }
    state.counters["redraws"] = window->redrawCount();
    delete window;
}
BENCHMARK(BM_RightArrowToNewFrame)->Unit(benchmark::kMillisecond);

} // namespace
