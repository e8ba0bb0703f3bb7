#include "app/startup.h"

#include <QtTest>

// The splash wait, measured with a clock that advances only when events are processed.
class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void waitsTheFullSplashTime_data();
    void waitsTheFullSplashTime();
};

void TestStartup::waitsTheFullSplashTime_data()
{
    QTest::addColumn<double>("tick");
    QTest::addColumn<int>("closeAtEvent"); // the user closes the splash while this event is processed
    QTest::newRow("untouched, coarse clock") << 0.5 << -1;
    QTest::newRow("untouched, fine clock") << 0.01 << -1;
    QTest::newRow("closed after one second") << 0.25 << 4;
}

void TestStartup::waitsTheFullSplashTime()
{
    QFETCH(double, tick);
    QFETCH(int, closeAtEvent);
    double now = 100.0;
    int events = 0;
    bool splashOpen = false;
    QStringList log;
    double mainShownAt = -1.0;

    StartupSteps steps;
    steps.showSplash = [&] {
        splashOpen = true;
        log << "splash";
    };
    steps.now = [&] { return now; };
    steps.processEvents = [&] {
        if (events++ == closeAtEvent) {
            splashOpen = false;
            log << "user closed splash";
        }
        now += tick;
    };
    steps.closeSplash = [&] {
        splashOpen = false;
        log << "close splash";
    };
    steps.showMain = [&] {
        mainShownAt = now;
        QVERIFY(!splashOpen);
        log << "main";
    };
    runStartup(steps);

    QVERIFY(mainShownAt - 100.0 >= 5.0);
    QVERIFY(mainShownAt - 100.0 < 5.0 + tick + 1e-9);
    QCOMPARE(log.first(), QStringLiteral("splash"));
    QCOMPARE(log.last(), QStringLiteral("main"));
    QCOMPARE(log.at(log.size() - 2), QStringLiteral("close splash"));
    QCOMPARE(log.contains(QStringLiteral("user closed splash")), closeAtEvent >= 0);
}

QTEST_APPLESS_MAIN(TestStartup)
#include "tst_startup.moc"
