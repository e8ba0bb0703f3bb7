#include "catalogue/startable.h"
#include "mapview/mapmodel.h"
#include "mapview/redraw.h"

#include <QtTest>

// The redraw's first half: options into the view state, origin clamp, the first call.
class TestRedrawCycle : public QObject
{
    Q_OBJECT
private slots:
    void rangeTextAndOriginClamp();
    void flagsAndColourCodeFollowTheControls();
    void firstCallDrawsNothing();

private:
    StarTable m_table = StarTable::fromCatalogue();
};

void TestRedrawCycle::rangeTextAndOriginClamp()
{
    MapModel model(m_table);
    const QList<std::pair<const char *, int>> ranges = {
        { "40", 40 },
        { "15", 15 },
        { "abc", 0 },
        { "12.5", 12 },
        { "13.5", 14 },
        { "-5", -5 },
        { "1e30", 2147483647 },
        { "-99999999999", -2147483647 },
    };
    for (const auto &[text, hirange] : ranges) {
        model.options.zmax = QString::fromLatin1(text);
        beginRedraw(model);
        QCOMPARE(model.view.hirange, hirange);
        QCOMPARE(model.view.lorange, -hirange);
    }
    const QList<std::array<int, 4>> origins = {
        { -7, -7, -7, -7 },
        { 21, 20, 20, 20 },
        { -35, -36, -35, -35 },
        { 2147483647, -2147483647, 20, -35 },
    };
    for (const auto &[x, y, clampedX, clampedY] : origins) {
        model.view.xorg = x;
        model.view.yorg = y;
        beginRedraw(model);
        QCOMPARE(model.view.xorg, clampedX);
        QCOMPARE(model.view.yorg, clampedY);
    }
}

void TestRedrawCycle::flagsAndColourCodeFollowTheControls()
{
    MapModel model(m_table);
    beginRedraw(model);
    // Design values: cross hairs on, everything else off, dark mode.
    QVERIFY(model.view.xhairflag);
    QVERIFY(!model.view.idsflag && !model.view.sodflag && !model.view.dfsflag);
    QVERIFY(!model.view.wysflag && !model.view.greyflag);

    model.options.xhair = 0;
    // A greyed check box (its third state) counts as checked.
    model.options.staridon = model.options.sodonflag = model.options.dfsonflag = model.options.dispsodstars = 2;
    model.options.printerMode = true;
    beginRedraw(model);
    QVERIFY(!model.view.xhairflag);
    QVERIFY(model.view.idsflag && model.view.sodflag && model.view.dfsflag);
    QVERIFY(model.view.wysflag && model.view.greyflag);

    // The colour code always comes from the options, whatever a file load set.
    for (int code = 0; code < 4; ++code) {
        model.options.colourCode = code;
        model.view.colmode = 2 - code;
        beginRedraw(model);
        QCOMPARE(model.view.colmode, code);
    }
}

void TestRedrawCycle::firstCallDrawsNothing()
{
    MapModel model(m_table);
    QVERIFY(!beginRedraw(model));
    QVERIFY(!model.logoBoxVisible);
    QVERIFY(beginRedraw(model));
}

QTEST_APPLESS_MAIN(TestRedrawCycle)
#include "tst_redrawcycle.moc"
