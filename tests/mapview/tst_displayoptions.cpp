#include "catalogue/startable.h"
#include "mapview/displaysettings.h"
#include "mapview/mapmodel.h"
#include "mapview/redraw.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// The Display Options: kept between runs, and read into the view state by the redraw's first half
// (options into the view state, origin clamp, the first call).
class TestDisplayOptions : public QObject
{
    Q_OBJECT
private slots:
    // A first run gets the design values, a later one what the last run had, and a damaged value only
    // loses itself.
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

    // The range is rounded half to even and kept to what negates for rangeLow; the origin is clamped to
    // -35..20 both ways, so the 15-wide sector stays inside -35..35.
    void rangeAndOrigin()
    {
        const std::tuple<QString, int, QPoint, QPoint> rows[] = {
            { "40", 40, { -7, -7 }, { -7, -7 } }, // at start
            { "13.5", 14, { 21, 20 }, { 20, 20 } },
            { "12.5", 12, { -36, -35 }, { -35, -35 } },
            { "-99999999999", -2147483647, { 2147483647, -2147483647 }, { 20, -35 } },
            { "1e30", 2147483647, { -2147483647, 2147483647 }, { -35, 20 } },
        };
        for (const auto &[range, rangeHigh, origin, clamped] : rows) {
            MapModel model(m_table);
            model.options.rangeText = range;
            model.view.originX = origin.x();
            model.view.originY = origin.y();
            // The first call only hides the logo box and draws nothing; the options are read all the same.
            QVERIFY(!beginRedraw(model) && !model.logoBoxVisible);
            const ViewState &v = model.view;
            QCOMPARE(QList<int>({ v.rangeHigh, v.rangeLow, v.originX, v.originY }),
                QList<int>({ rangeHigh, -rangeHigh, clamped.x(), clamped.y() }));
            QVERIFY(beginRedraw(model));
        }
    }

    // Each check box alone, greyed (its third state counts as checked), turns on its own flag only; the
    // mode and the colour code always come from the options, whatever a file load set.
    void optionsReachTheView()
    {
        int DisplayOptions::*const boxes[] = { &DisplayOptions::crossHairsBox, &DisplayOptions::starNumbersBox,
            &DisplayOptions::spheresBox, &DisplayOptions::rangeCircleBox, &DisplayOptions::greyStarsBox,
            &DisplayOptions::heightBox, &DisplayOptions::starNamesBox, &DisplayOptions::notesMarkBox };
        for (int i = 0; i < 8; ++i) {
            MapModel model(m_table);
            model.options.crossHairsBox = 0;
            model.options.*boxes[i] = 2;
            model.options.printerMode = i % 2;
            model.options.colourCode = i;
            model.view.colourCode = 7;
            beginRedraw(model);
            const ViewState &v = model.view;
            QString expected(8, u'0');
            expected[i] = u'1';
            QCOMPARE(QString::asprintf("%d%d%d%d%d%d%d%d %d %d", v.showCrossHairs, v.showStarNumbers, v.showSpheres,
                         v.showRangeCircle, v.greyOutOfRange, v.showHeight, v.showStarNames, v.markNotes, v.printerMode,
                         v.colourCode),
                expected + QString::asprintf(" %d %d", i % 2, i));
        }
    }

private:
    StarTable m_table = StarTable::fromCatalogue();
};

QTEST_APPLESS_MAIN(TestDisplayOptions)
#include "tst_displayoptions.moc"
