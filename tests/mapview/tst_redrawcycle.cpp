#include "catalogue/startable.h"
#include "mapview/mapmodel.h"
#include "mapview/redraw.h"

#include <QtTest>

// The redraw's first half: options into the view state, origin clamp, the first call.
class TestRedrawCycle : public QObject
{
    Q_OBJECT
private slots:
    void rangeText_data();
    void rangeText();
    void flagsFollowTheControls();
    void colourCodeComesFromOptions();
    void originClamp_data();
    void originClamp();
    void firstCallDrawsNothing();

private:
    StarTable m_table = StarTable::fromCatalogue();
};

void TestRedrawCycle::rangeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("hirange");
    QTest::newRow("design") << "40" << 40;
    QTest::newRow("typed") << "15" << 15;
    QTest::newRow("not a number") << "abc" << 0;
    QTest::newRow("half to even down") << "12.5" << 12;
    QTest::newRow("half to even up") << "13.5" << 14;
    QTest::newRow("negative") << "-5" << -5;
    QTest::newRow("too large") << "1e30" << 2147483647;
    QTest::newRow("too small") << "-99999999999" << -2147483647;
}

void TestRedrawCycle::rangeText()
{
    QFETCH(QString, text);
    QFETCH(int, hirange);
    MapModel model(m_table);
    model.options.zmax = text;
    beginRedraw(model);
    QCOMPARE(model.view.hirange, hirange);
    QCOMPARE(model.view.lorange, -hirange);
}

void TestRedrawCycle::flagsFollowTheControls()
{
    MapModel model(m_table);
    beginRedraw(model);
    // Design values: cross hairs on, everything else off, dark mode.
    QVERIFY(model.view.xhairflag);
    QVERIFY(!model.view.idsflag && !model.view.sodflag && !model.view.dfsflag);
    QVERIFY(!model.view.wysflag && !model.view.greyflag);

    model.options.xhair = 0;
    model.options.staridon = 1;
    model.options.sodonflag = 2; // a greyed check box counts as checked
    model.options.dfsonflag = 1;
    model.options.dispsodstars = 1;
    model.options.printerMode = true;
    beginRedraw(model);
    QVERIFY(!model.view.xhairflag);
    QVERIFY(model.view.idsflag && model.view.sodflag && model.view.dfsflag);
    QVERIFY(model.view.wysflag && model.view.greyflag);

    model.options.printerMode = false;
    beginRedraw(model);
    QVERIFY(!model.view.wysflag);
}

void TestRedrawCycle::colourCodeComesFromOptions()
{
    MapModel model(m_table);
    for (int code = 0; code < 4; ++code) {
        model.options.colourCode = code;
        model.view.colmode = 2 - code; // as a file load would set it
        beginRedraw(model);
        QCOMPARE(model.view.colmode, code);
    }
}

void TestRedrawCycle::originClamp_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("clampedX");
    QTest::addColumn<int>("clampedY");
    QTest::newRow("inside") << -7 << -7 << -7 << -7;
    QTest::newRow("right edge") << 21 << 20 << 20 << 20;
    QTest::newRow("bottom edge") << -35 << -36 << -35 << -35;
    QTest::newRow("far out") << 40 << -42 << 20 << -35;
    QTest::newRow("huge") << 2147483647 << -2147483647 << 20 << -35;
}

void TestRedrawCycle::originClamp()
{
    QFETCH(int, x);
    QFETCH(int, y);
    MapModel model(m_table);
    model.view.xorg = x;
    model.view.yorg = y;
    beginRedraw(model);
    QTEST(model.view.xorg, "clampedX");
    QTEST(model.view.yorg, "clampedY");
}

void TestRedrawCycle::firstCallDrawsNothing()
{
    MapModel model(m_table);
    QVERIFY(model.logoBoxVisible);
    QVERIFY(!beginRedraw(model));
    QVERIFY(!model.logoBoxVisible);
    QVERIFY(beginRedraw(model));
    QVERIFY(beginRedraw(model));
}

QTEST_APPLESS_MAIN(TestRedrawCycle)
#include "tst_redrawcycle.moc"
