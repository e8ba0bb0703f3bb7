#include "mapview/displaysettings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// The Display Options kept between runs: a first run gets the design values, a later one what the
// last run had, and a damaged value only loses itself.
class TestDisplaySettings : public QObject
{
    Q_OBJECT
private slots:
    void keptBetweenRuns()
    {
        QTemporaryDir dir;
        QSettings settings(dir.filePath("q.ini"), QSettings::IniFormat);
        QVERIFY(DisplaySettings::load(settings) == DisplayOptions());

        DisplayOptions changed;
        changed.printerMode = true;
        changed.starNumbersBox = 1;
        changed.colourCode = 3;
        changed.rangeCircleBox = 2;
        changed.rangeText = "25";
        DisplaySettings::save(settings, changed);
        settings.sync();
        QSettings again(dir.filePath("q.ini"), QSettings::IniFormat);
        QVERIFY(DisplaySettings::load(again) == changed);

        again.setValue("display/colourCode", 7);
        again.setValue("display/starNumbers", "yes");
        DisplayOptions damaged = DisplaySettings::load(again);
        QCOMPARE(damaged.colourCode, 0);
        QCOMPARE(damaged.starNumbersBox, 0);
        QVERIFY(damaged.printerMode);
    }
};

QTEST_MAIN(TestDisplaySettings)
#include "tst_displaysettings.moc"
