#include "catalogue/startable.h"
#include "mapview/mapmodel.h"
#include "mapview/redraw.h"

#include <QtTest>

// The redraw's first half: options into the view state, origin clamp, the first call.
class TestRedrawCycle : public QObject
{
    Q_OBJECT
private slots:
    void rangeAndOrigin_data()
    {
        QTest::addColumn<QString>("range");
        QTest::addColumn<int>("rangeHigh"); // rangeLow is its negation, so the range is kept to what negates
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<QPoint>("clamped"); // to -35..20 both ways, so the 15-wide sector stays inside -35..35
        QTest::newRow("start") << "40" << 40 << QPoint(-7, -7) << QPoint(-7, -7);
        QTest::newRow("half to even, top edges") << "13.5" << 14 << QPoint(21, 20) << QPoint(20, 20);
        QTest::newRow("half to even, down") << "12.5" << 12 << QPoint(-36, -35) << QPoint(-35, -35);
        QTest::newRow("huge, whole-number ends")
            << "-99999999999" << -2147483647 << QPoint(2147483647, -2147483647) << QPoint(20, -35);
        QTest::newRow("huge") << "1e30" << 2147483647 << QPoint(-2147483647, 2147483647) << QPoint(-35, 20);
    }
    void rangeAndOrigin()
    {
        QFETCH(QPoint, origin);
        QFETCH(QString, range);
        MapModel model(m_table);
        model.options.rangeText = range;
        model.view.originX = origin.x();
        model.view.originY = origin.y();
        // The first call only hides the logo box and draws nothing; the options are read all the same.
        QVERIFY(!beginRedraw(model) && !model.logoBoxVisible);
        QTEST(model.view.rangeHigh, "rangeHigh");
        QCOMPARE(model.view.rangeLow, -model.view.rangeHigh);
        QTEST(QPoint(model.view.originX, model.view.originY), "clamped");
        QVERIFY(beginRedraw(model));
    }

    // Each check box alone, greyed (its third state counts as checked), turns on its own flag only; the
    // mode and the colour code always come from the options, whatever a file load set.
    void optionsReachTheView()
    {
        int DisplayOptions::*const boxes[]
            = { &DisplayOptions::crossHairsBox, &DisplayOptions::starNumbersBox, &DisplayOptions::spheresBox,
                  &DisplayOptions::rangeCircleBox, &DisplayOptions::greyStarsBox, &DisplayOptions::heightBox };
        for (int i = 0; i < 6; ++i) {
            MapModel model(m_table);
            model.options.crossHairsBox = 0;
            model.options.*boxes[i] = 2;
            model.options.printerMode = i % 2;
            model.options.colourCode = i;
            model.view.colourCode = 7;
            beginRedraw(model);
            const ViewState &v = model.view;
            QString expected(6, u'0');
            expected[i] = u'1';
            QCOMPARE(QString::asprintf("%d%d%d%d%d%d %d %d", v.showCrossHairs, v.showStarNumbers, v.showSpheres,
                         v.showRangeCircle, v.greyOutOfRange, v.showHeight, v.printerMode, v.colourCode),
                expected + QString::asprintf(" %d %d", i % 2, i));
        }
    }

private:
    StarTable m_table = StarTable::fromCatalogue();
};

QTEST_APPLESS_MAIN(TestRedrawCycle)
#include "tst_redrawcycle.moc"
