#include "catalogue/startable.h"
#include "mapview/viewstate.h"
#include "navigation/inputcodes.h"
#include "navigation/scrolling.h"
#include "navigation/selection.h"

#include <QtTest>

Q_DECLARE_METATYPE(WindowAction)

namespace {

constexpr WindowAction kRedraw = WindowAction::Redraw;
constexpr WindowAction kNothing = WindowAction::Nothing;
constexpr int kTarn = 111; // X 6, Y -18
constexpr int kRoss41 = 151; // X 4, Y 29

ViewState viewAt(int xorg, int yorg)
{
    ViewState view;
    view.xorg = xorg;
    view.yorg = yorg;
    return view;
}

} // namespace

// Selection by marker, list row and index entry; scrolling by bands, mini-map and keys.
class TestNavigation : public QObject
{
    Q_OBJECT
private slots:
    void selectStar_data();
    void selectStar();
    void formMouseDown_data();
    void formMouseDown();
    void formKeyDown_data();
    void formKeyDown();
    void fortyRightArrowsStopAtTheEdge();
    void virtualKeys_data();
    void virtualKeys();

private:
    StarTable m_stars = StarTable::fromCatalogue();
};

void TestNavigation::selectStar_data()
{
    QTest::addColumn<int>("handler"); // 0 marker, 1 list row, 2 Stellar Index entry
    QTest::addColumn<int>("star");
    QTest::addColumn<int>("button");
    QTest::addColumn<WindowAction>("action");
    QTest::addColumn<QList<int>>("after"); // selstar, diststar, xorg, yorg after the redraw's clamp

    const QList<int> unchanged { 165, 0, 3, 4 };
    QTest::newRow("marker left Tarn") << 0 << kTarn << 1 << kRedraw << QList<int> { kTarn, 0, -1, -25 };
    QTest::newRow("marker right") << 0 << kTarn << 2 << kRedraw << unchanged;
    QTest::newRow("marker middle") << 0 << kTarn << 4 << kRedraw << unchanged;
    QTest::newRow("marker Ross 41 clamped") << 0 << kRoss41 << 1 << kRedraw << QList<int> { kRoss41, 0, -3, 20 };
    QTest::newRow("list row left Tarn") << 1 << kTarn << 1 << kRedraw << QList<int> { kTarn, 0, -1, -25 };
    QTest::newRow("list row right") << 1 << kTarn << 2 << kRedraw << unchanged;
    QTest::newRow("index left Tarn") << 2 << kTarn << 1 << kRedraw << QList<int> { kTarn, 0, -1, -25 };
    QTest::newRow("index right Tarn") << 2 << kTarn << 2 << kRedraw << QList<int> { 165, kTarn, 3, 4 };
    QTest::newRow("index middle") << 2 << kTarn << 4 << kNothing << unchanged;
}

void TestNavigation::selectStar()
{
    QFETCH(int, handler);
    QFETCH(int, star);
    QFETCH(int, button);
    ViewState view = viewAt(3, 4);
    using Handler = WindowAction (*)(ViewState &, const StarTable &, int, int);
    const Handler handlers[] = { starmark_MouseDown, label2_MouseDown, fullist_MouseDown };
    QTEST(handlers[handler](view, m_stars, star, button), "action");
    view.clamporigin();
    QTEST((QList<int> { view.selstar, view.diststar, view.xorg, view.yorg }), "after");
}

void TestNavigation::formMouseDown_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<int>("button");
    QTest::addColumn<WindowAction>("action");
    QTest::addColumn<QPoint>("origin"); // from (0, 0), before the redraw's clamp

    const struct
    {
        const char *name;
        double x, y;
        int button;
        WindowAction action;
        QPoint origin;
    } rows[] = {
        { "top-left corner", 10, 30, 1, kRedraw, { -1, 1 } },
        { "bottom-right corner", 170, 190, 1, kRedraw, { 1, -1 } },
        { "left band", 14.9, 100, 1, kRedraw, { -1, 0 } },
        { "inside the grid", 100, 100, 1, kRedraw, { 0, 0 } },
        { "right of the map", 176, 100, 1, kNothing, { 0, 0 } },
        { "between map and mini-map", 100, 27.5, 1, kNothing, { 0, 0 } },
        { "x = 15 is not the left band", 15, 100, 1, kRedraw, { 0, 0 } },
        { "x = 5 is in neither region", 5, 100, 1, kNothing, { 0, 0 } },
        { "y = 28 is outside", 100, 28, 1, kNothing, { 0, 0 } },
        { "y = 38 is not the top band", 100, 38, 1, kRedraw, { 0, 0 } },
        { "mini-map centre", 17.5, 14.5, 1, kRedraw, { -7, -7 } },
        { "mini-map top-left", 5.1, 2.1, 1, kRedraw, { -42, 28 } },
        { "mini-map bottom-right", 29.9, 26.9, 1, kRedraw, { 27, -41 } },
        { "mini-map x = 30 is outside", 30, 14.5, 1, kNothing, { 0, 0 } },
        { "right button on a corner", 10, 30, 2, kNothing, { 0, 0 } },
        { "middle button on the mini-map", 17.5, 14.5, 4, kNothing, { 0, 0 } },
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << row.x << row.y << row.button << row.action << row.origin;
}

void TestNavigation::formMouseDown()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(int, button);
    ViewState view = viewAt(0, 0);
    QTEST(Form_MouseDown(view, button, static_cast<float>(x), static_cast<float>(y)), "action");
    QTEST(QPoint(view.xorg, view.yorg), "origin");
    QCOMPARE(view.selstar, 165);
}

void TestNavigation::formKeyDown_data()
{
    QTest::addColumn<int>("keycode");
    QTest::addColumn<WindowAction>("action");
    QTest::addColumn<QPoint>("origin"); // from (3, 4)

    const struct
    {
        const char *name;
        int keycode;
        QPoint origin;
    } keys[] = { { "Clear", 12, { -7, -7 } }, { "Page Up", 33, { 4, 5 } }, { "Page Down", 34, { 4, 3 } },
        { "End", 35, { 2, 3 } }, { "Home", 36, { 2, 5 } }, { "Left", 37, { 2, 4 } }, { "Up", 38, { 3, 5 } },
        { "Right", 39, { 4, 4 } }, { "Down", 40, { 3, 3 } }, { "letter A", 65, { 3, 4 } }, { "no code", 0, { 3, 4 } } };
    for (const auto &key : keys)
        QTest::newRow(key.name) << key.keycode << kRedraw << key.origin;
    QTest::newRow("Escape") << 27 << WindowAction::Close << QPoint(3, 4);
}

void TestNavigation::formKeyDown()
{
    QFETCH(int, keycode);
    ViewState view = viewAt(3, 4);
    QTEST(Form_KeyDown(view, keycode), "action");
    QTEST(QPoint(view.xorg, view.yorg), "origin");
}

void TestNavigation::fortyRightArrowsStopAtTheEdge()
{
    // Each key is followed by its redraw, whose clamp holds the sector at the edge.
    ViewState view;
    for (int i = 0; i < 40; ++i) {
        Form_KeyDown(view, 39);
        view.clamporigin();
    }
    QCOMPARE(QPoint(view.xorg, view.yorg), QPoint(20, -7));
}

void TestNavigation::virtualKeys_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<int>("code");

    const struct
    {
        const char *name;
        int qtKey;
        bool keypad;
        int code;
    } keys[] = {
        { "Clear", Qt::Key_Clear, false, 12 },
        { "keypad 5 without Num Lock", Qt::Key_Clear, true, 12 },
        { "Escape", Qt::Key_Escape, false, 27 },
        { "keypad 9", Qt::Key_PageUp, true, 33 },
        { "keypad 1", Qt::Key_End, true, 35 },
        { "keypad 4", Qt::Key_Left, true, 37 },
        { "keypad 2", Qt::Key_Down, true, 40 },
        { "letter", Qt::Key_Q, false, 81 },
        { "keypad 5 with Num Lock", Qt::Key_5, true, 101 },
        // Qt's codes of these keys are those of Page Up, Home and Down: they must not scroll.
        { "exclamation mark", Qt::Key_Exclam, false, 0 },
        { "dollar", Qt::Key_Dollar, false, 0 },
        { "parenthesis", Qt::Key_ParenLeft, false, 0 },
    };
    for (const auto &key : keys)
        QTest::newRow(key.name) << key.qtKey << key.keypad << key.code;
}

void TestNavigation::virtualKeys()
{
    QFETCH(int, qtKey);
    QFETCH(bool, keypad);
    QTEST(virtualKey(qtKey, keypad ? Qt::KeypadModifier : Qt::NoModifier), "code");
}

QTEST_APPLESS_MAIN(TestNavigation)
#include "tst_navigation.moc"
