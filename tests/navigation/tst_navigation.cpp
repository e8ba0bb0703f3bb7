#include "catalogue/startable.h"
#include "mapview/viewstate.h"
#include "navigation/inputcodes.h"
#include "navigation/scrolling.h"
#include "navigation/selection.h"

#include <QtTest>

Q_DECLARE_METATYPE(WindowAction)

// Selection by marker, list row and index entry; scrolling by bands, mini-map and keys.
class TestNavigation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void selectStar_data();
    void selectStar();
    void formMouseDown_data();
    void formMouseDown();
    void formKeyDown_data();
    void formKeyDown();
    void scrollingStopsAtTheEdge();
    void virtualKeys_data();
    void virtualKeys();

private:
    int indexOf(const QString &name) const;

    StarTable m_stars;
};

void TestNavigation::initTestCase()
{
    m_stars = StarTable::fromCatalogue();
}

int TestNavigation::indexOf(const QString &name) const
{
    for (int i = 0; i < m_stars.size(); ++i)
        if (m_stars[i].starname == name)
            return i;
    qFatal("no star %s", qPrintable(name));
}

void TestNavigation::selectStar_data()
{
    QTest::addColumn<QString>("handler");
    QTest::addColumn<QString>("star");
    QTest::addColumn<int>("button");
    QTest::addColumn<WindowAction>("action");
    QTest::addColumn<QString>("selected"); // after the press; empty: "Sol" stays selected
    QTest::addColumn<QString>("second");
    QTest::addColumn<QPoint>("origin"); // after the redraw's clamp

    const WindowAction redraw = WindowAction::Redraw;
    const WindowAction nothing = WindowAction::Nothing;
    const QPoint start(3, 4);
    QTest::newRow("marker left Tarn") << "starmark"
                                      << "Tarn" << 1 << redraw << "Tarn"
                                      << "" << QPoint(-1, -25);
    QTest::newRow("marker right") << "starmark"
                                  << "Tarn" << 2 << redraw << ""
                                  << "" << start;
    QTest::newRow("marker middle") << "starmark"
                                   << "Tarn" << 4 << redraw << ""
                                   << "" << start;
    QTest::newRow("marker Ross 41 clamped") << "starmark"
                                            << "Ross 41" << 1 << redraw << "Ross 41"
                                            << "" << QPoint(-3, 20);
    QTest::newRow("list row left Tarn") << "label2"
                                        << "Tarn" << 1 << redraw << "Tarn"
                                        << "" << QPoint(-1, -25);
    QTest::newRow("list row right") << "label2"
                                    << "Tarn" << 2 << redraw << ""
                                    << "" << start;
    QTest::newRow("index left Tarn") << "fullist"
                                     << "Tarn" << 1 << redraw << "Tarn"
                                     << "" << QPoint(-1, -25);
    QTest::newRow("index right Tarn") << "fullist"
                                      << "Tarn" << 2 << redraw << ""
                                      << "Tarn" << start;
    QTest::newRow("index middle") << "fullist"
                                  << "Tarn" << 4 << nothing << ""
                                  << "" << start;
}

void TestNavigation::selectStar()
{
    QFETCH(QString, handler);
    QFETCH(QString, star);
    QFETCH(int, button);
    ViewState view;
    view.selstar = StarTable::kSol;
    view.diststar = 0;
    view.xorg = 3;
    view.yorg = 4;
    const int index = indexOf(star);
    WindowAction got = WindowAction::Nothing;
    if (handler == "starmark")
        got = starmark_MouseDown(view, m_stars, index, button);
    else if (handler == "label2")
        got = label2_MouseDown(view, m_stars, index, button);
    else
        got = fullist_MouseDown(view, m_stars, index, button);
    view.clamporigin();

    QFETCH(WindowAction, action);
    QFETCH(QString, selected);
    QFETCH(QString, second);
    QFETCH(QPoint, origin);
    QCOMPARE(got, action);
    QCOMPARE(view.selstar, selected.isEmpty() ? StarTable::kSol : indexOf(selected));
    QCOMPARE(view.diststar, second.isEmpty() ? 0 : indexOf(second));
    QCOMPARE(QPoint(view.xorg, view.yorg), origin);
}

void TestNavigation::formMouseDown_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<int>("button");
    QTest::addColumn<WindowAction>("action");
    QTest::addColumn<QPoint>("origin"); // from (0, 0), before the redraw's clamp

    const WindowAction redraw = WindowAction::Redraw;
    const WindowAction nothing = WindowAction::Nothing;
    QTest::newRow("top-left corner") << 10.0 << 30.0 << 1 << redraw << QPoint(-1, 1);
    QTest::newRow("bottom-right corner") << 170.0 << 190.0 << 1 << redraw << QPoint(1, -1);
    QTest::newRow("left band") << 14.9 << 100.0 << 1 << redraw << QPoint(-1, 0);
    QTest::newRow("right band") << 165.1 << 100.0 << 1 << redraw << QPoint(1, 0);
    QTest::newRow("top band") << 100.0 << 37.9 << 1 << redraw << QPoint(0, 1);
    QTest::newRow("bottom band") << 100.0 << 188.1 << 1 << redraw << QPoint(0, -1);
    QTest::newRow("inside the grid") << 100.0 << 100.0 << 1 << redraw << QPoint(0, 0);
    QTest::newRow("right of the map") << 176.0 << 100.0 << 1 << nothing << QPoint(0, 0);
    QTest::newRow("between map and mini-map") << 100.0 << 27.5 << 1 << nothing << QPoint(0, 0);
    QTest::newRow("x = 15 is not the left band") << 15.0 << 100.0 << 1 << redraw << QPoint(0, 0);
    QTest::newRow("x = 165 is not the right band") << 165.0 << 100.0 << 1 << redraw << QPoint(0, 0);
    QTest::newRow("x = 5 is in neither region") << 5.0 << 100.0 << 1 << nothing << QPoint(0, 0);
    QTest::newRow("x = 175 is outside") << 175.0 << 100.0 << 1 << nothing << QPoint(0, 0);
    QTest::newRow("y = 28 is outside") << 100.0 << 28.0 << 1 << nothing << QPoint(0, 0);
    QTest::newRow("y = 38 is not the top band") << 100.0 << 38.0 << 1 << redraw << QPoint(0, 0);
    QTest::newRow("y = 198 is outside") << 100.0 << 198.0 << 1 << nothing << QPoint(0, 0);
    QTest::newRow("mini-map centre") << 17.5 << 14.5 << 1 << redraw << QPoint(-7, -7);
    QTest::newRow("mini-map top-left") << 5.1 << 2.1 << 1 << redraw << QPoint(-42, 28);
    QTest::newRow("mini-map bottom-right") << 29.9 << 26.9 << 1 << redraw << QPoint(27, -41);
    QTest::newRow("mini-map just below a light year")
        << 17.5 + 25.0 / 70.0 * 0.999 << 14.5 << 1 << redraw << QPoint(-7, -7);
    QTest::newRow("mini-map x = 30 is outside") << 30.0 << 14.5 << 1 << nothing << QPoint(0, 0);
    QTest::newRow("mini-map y = 2 is outside") << 17.5 << 2.0 << 1 << nothing << QPoint(0, 0);
    QTest::newRow("right button on a corner") << 10.0 << 30.0 << 2 << nothing << QPoint(0, 0);
    QTest::newRow("middle button on the mini-map") << 17.5 << 14.5 << 4 << nothing << QPoint(0, 0);
}

void TestNavigation::formMouseDown()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(int, button);
    QFETCH(WindowAction, action);
    QFETCH(QPoint, origin);
    ViewState view;
    view.xorg = 0;
    view.yorg = 0;
    view.selstar = 42;
    QCOMPARE(Form_MouseDown(view, button, static_cast<float>(x), static_cast<float>(y)), action);
    QCOMPARE(QPoint(view.xorg, view.yorg), origin);
    QCOMPARE(view.selstar, 42);
}

void TestNavigation::formKeyDown_data()
{
    QTest::addColumn<int>("keycode");
    QTest::addColumn<WindowAction>("action");
    QTest::addColumn<QPoint>("origin"); // from (3, 4)

    const WindowAction redraw = WindowAction::Redraw;
    QTest::newRow("Clear") << 12 << redraw << QPoint(-7, -7);
    QTest::newRow("Escape") << 27 << WindowAction::Close << QPoint(3, 4);
    QTest::newRow("Page Up") << 33 << redraw << QPoint(4, 5);
    QTest::newRow("Page Down") << 34 << redraw << QPoint(4, 3);
    QTest::newRow("End") << 35 << redraw << QPoint(2, 3);
    QTest::newRow("Home") << 36 << redraw << QPoint(2, 5);
    QTest::newRow("Left") << 37 << redraw << QPoint(2, 4);
    QTest::newRow("Up") << 38 << redraw << QPoint(3, 5);
    QTest::newRow("Right") << 39 << redraw << QPoint(4, 4);
    QTest::newRow("Down") << 40 << redraw << QPoint(3, 3);
    QTest::newRow("letter A") << 65 << redraw << QPoint(3, 4);
    QTest::newRow("Space") << 32 << redraw << QPoint(3, 4);
    QTest::newRow("Insert") << 45 << redraw << QPoint(3, 4);
    QTest::newRow("no code") << 0 << redraw << QPoint(3, 4);
}

void TestNavigation::formKeyDown()
{
    QFETCH(int, keycode);
    QFETCH(WindowAction, action);
    QFETCH(QPoint, origin);
    ViewState view;
    view.xorg = 3;
    view.yorg = 4;
    QCOMPARE(Form_KeyDown(view, keycode), action);
    QCOMPARE(QPoint(view.xorg, view.yorg), origin);
}

void TestNavigation::scrollingStopsAtTheEdge()
{
    // Each key is followed by its redraw, whose clamp holds the sector at the edge.
    ViewState view;
    for (int i = 0; i < 40; ++i) {
        QCOMPARE(Form_KeyDown(view, 39), WindowAction::Redraw);
        view.clamporigin();
    }
    QCOMPARE(view.xorg, 20);
    QCOMPARE(view.yorg, -7);
    QCOMPARE(Form_MouseDown(view, 1, 170.0f, 190.0f), WindowAction::Redraw);
    view.clamporigin();
    QCOMPARE(QPoint(view.xorg, view.yorg), QPoint(20, -8));
    QCOMPARE(Form_MouseDown(view, 1, 5.5f, 14.5f), WindowAction::Redraw);
    view.clamporigin();
    QCOMPARE(view.xorg, -35);
}

void TestNavigation::virtualKeys_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<int>("code");

    QTest::newRow("Clear") << int(Qt::Key_Clear) << false << 12;
    QTest::newRow("keypad 5 without Num Lock") << int(Qt::Key_Clear) << true << 12;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << false << 27;
    QTest::newRow("Page Up") << int(Qt::Key_PageUp) << false << 33;
    QTest::newRow("keypad 9") << int(Qt::Key_PageUp) << true << 33;
    QTest::newRow("Page Down") << int(Qt::Key_PageDown) << false << 34;
    QTest::newRow("keypad 3") << int(Qt::Key_PageDown) << true << 34;
    QTest::newRow("End") << int(Qt::Key_End) << false << 35;
    QTest::newRow("keypad 1") << int(Qt::Key_End) << true << 35;
    QTest::newRow("Home") << int(Qt::Key_Home) << false << 36;
    QTest::newRow("keypad 7") << int(Qt::Key_Home) << true << 36;
    QTest::newRow("Left") << int(Qt::Key_Left) << false << 37;
    QTest::newRow("keypad 4") << int(Qt::Key_Left) << true << 37;
    QTest::newRow("Up") << int(Qt::Key_Up) << false << 38;
    QTest::newRow("Right") << int(Qt::Key_Right) << false << 39;
    QTest::newRow("Down") << int(Qt::Key_Down) << false << 40;
    QTest::newRow("keypad 2") << int(Qt::Key_Down) << true << 40;
    QTest::newRow("letter") << int(Qt::Key_Q) << false << 81;
    QTest::newRow("digit") << int(Qt::Key_5) << false << 53;
    QTest::newRow("keypad digit with Num Lock") << int(Qt::Key_5) << true << 101;
    // Qt's codes of these punctuation keys equal Page Up, Home and Down: they must not scroll.
    QTest::newRow("exclamation mark") << int(Qt::Key_Exclam) << false << 0;
    QTest::newRow("dollar") << int(Qt::Key_Dollar) << false << 0;
    QTest::newRow("left parenthesis") << int(Qt::Key_ParenLeft) << false << 0;
    QTest::newRow("F1") << int(Qt::Key_F1) << false << 112;
    QTest::newRow("keypad Delete") << int(Qt::Key_Delete) << true << 46;
}

void TestNavigation::virtualKeys()
{
    QFETCH(int, qtKey);
    QFETCH(bool, keypad);
    QFETCH(int, code);
    QCOMPARE(virtualKey(qtKey, keypad ? Qt::KeypadModifier : Qt::NoModifier), code);
}

QTEST_APPLESS_MAIN(TestNavigation)
#include "tst_navigation.moc"
