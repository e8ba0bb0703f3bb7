#include "app/launcher.h"
#include "app/mainwindow.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

#include <ctime>

namespace {

// The time on `clock` of the first event that reaches a main window: when its construction began.
struct MainWindowBegun : QObject
{
    const QElapsedTimer &clock;
    double at = -1.0;
    explicit MainWindowBegun(const QElapsedTimer &started)
        : clock(started)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *) override
    {
        at = at < 0 && qobject_cast<MainWindow *>(watched) ? clock.nsecsElapsed() / 1e9 : at;
        return false;
    }
};

} // namespace

// The real start-up in the running event loop, with a short splash time.
class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void splashWait_data()
    {
        QTest::addColumn<QString>("user"); // what the user does a quarter into the wait
        QTest::newRow("nothing") << QString();
        QTest::newRow("clicks the splash") << "click"; // a key closes it the same way
        QTest::newRow("quits the program") << "quit";
    }

    // The wait is idle; the main window comes when the full wait has passed, whether or not the
    // splash was closed earlier; a quit during the wait ends the event loop then, with no main window.
    // The end of the wait is timed against a timer of the same length started after it, so that a
    // busy machine's late timers and slow drawing do not count against it.
    void splashWait()
    {
        QFETCH(QString, user);
        constexpr double kWait = 0.8; // seconds
        double cpuShare = -1.0, mainAt = -1.0, timerAt = -1.0;
        bool splashShownWithMain = true, splashOpenAfterUser = true;

        QObject scope; // ends this row's timers with it
        Launcher launcher(kWait);
        QElapsedTimer clock;
        clock.start();
        launcher.run();
        QTimer::singleShot(kWait * 1000, Qt::PreciseTimer, &scope, [&] { timerAt = clock.nsecsElapsed() / 1e9; });
        SplashWindow *splash = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets())
            splash = splash ? splash : qobject_cast<SplashWindow *>(widget);
        QVERIFY(splash && splash->isVisible());
        const MainWindowBegun begun(clock);
        QTimer::singleShot(kWait * 250, &scope, [&] {
            if (user == "click")
                QTest::mouseClick(splash, Qt::LeftButton);
            else if (user == "quit")
                QCoreApplication::quit();
            splashOpenAfterUser = splash->isVisible();
        });
        // Processor time of this process over most of the wait, as a share of the time passed.
        const std::clock_t cpuStart = std::clock();
        QTimer::singleShot(
            kWait * 900, &scope, [&] { cpuShare = double(std::clock() - cpuStart) / CLOCKS_PER_SEC / (kWait * 0.9); });
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (mainAt < 0 && launcher.mainWindow() && launcher.mainWindow()->isVisible()) {
                mainAt = clock.nsecsElapsed() / 1e9;
                splashShownWithMain = splash->isVisible();
                QTimer::singleShot(100, &scope, &QCoreApplication::quit);
            }
        });
        poll.start(5);
        QTimer::singleShot(kWait * 1000 + 5000, &scope, &QCoreApplication::quit); // the main window never came
        QApplication::exec();
        const double endedAt = clock.nsecsElapsed() / 1e9;

        if (user == "quit") {
            QVERIFY2(endedAt < kWait, qPrintable(QString::number(endedAt)));
            QVERIFY(!launcher.mainWindow());
            return;
        }
        // The launcher makes the main window when its wait is over: not before the full wait, nor later
        // than a timer of the same length (give or take one pass of the event loop); it shows it at once.
        const QString times = QStringLiteral("main window begun at %1, shown at %2, timer at %3")
                                  .arg(begun.at)
                                  .arg(mainAt)
                                  .arg(timerAt);
        QVERIFY2(begun.at >= kWait && timerAt > 0 && begun.at <= timerAt + 0.2, qPrintable(times));
        QVERIFY2(mainAt >= begun.at, qPrintable(times));
        QVERIFY(!splashShownWithMain);
        QCOMPARE(splashOpenAfterUser, user.isEmpty());
        QVERIFY2(cpuShare >= 0.0 && cpuShare < 0.3, qPrintable(QString::number(cpuShare)));
        // Quitting closed the main window, which deletes itself.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!launcher.mainWindow());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
