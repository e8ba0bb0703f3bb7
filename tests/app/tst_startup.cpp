#include "app/launcher.h"
#include "app/mainwindow.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

#include <ctime>

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
    void splashWait()
    {
        QFETCH(QString, user);
        constexpr double kWait = 0.8; // seconds
        double cpuShare = -1.0, mainAt = -1.0;
        bool splashShownWithMain = true, splashOpenAfterUser = true;

        QObject scope; // ends this row's timers with it
        Launcher launcher(kWait);
        QElapsedTimer clock;
        clock.start();
        launcher.run();
        SplashWindow *splash = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets())
            splash = splash ? splash : qobject_cast<SplashWindow *>(widget);
        QVERIFY(splash && splash->isVisible());
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
            }
        });
        poll.start(5);
        QTimer::singleShot(kWait * 1000 + 700, &scope, &QCoreApplication::quit);
        QApplication::exec();
        const double endedAt = clock.nsecsElapsed() / 1e9;

        if (user == "quit") {
            QVERIFY2(endedAt < kWait, qPrintable(QString::number(endedAt)));
            QVERIFY(!launcher.mainWindow());
            return;
        }
        QVERIFY2(mainAt >= kWait && mainAt < kWait + 0.5, qPrintable(QString::number(mainAt)));
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
