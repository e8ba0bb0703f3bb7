#include "app/mainwindow.h"
#include "app/mapcanvas.h"
#include "app/splashwindow.h"
#include "mapview/viewstate.h"
#include "navigation/scrolling.h"

#include <QtTest>

#include <limits>

#include <memory>

Q_DECLARE_METATYPE(WindowAction)

// Presses on the map regions, then keys and clicks on the real main window: each input ends in exactly one
// redraw, a press outside every region in none, and a press on a marker or list row never scrolls as well.
class TestNavigation : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_window = std::make_unique<MainWindow>(&m_splash);
        m_window->startUp();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->hideHelpCard();
    }

    void regions_data()
    {
        QTest::addColumn<QPointF>("at"); // map units
        QTest::addColumn<int>("button");
        QTest::addColumn<WindowAction>("action");
        QTest::addColumn<QPoint>("origin"); // from (3, 4)

        const WindowAction r = WindowAction::Redraw, n = WindowAction::Nothing;
        QTest::newRow("top-left corner") << QPointF(10, 30) << 1 << r << QPoint(2, 5);
        QTest::newRow("bottom-right corner") << QPointF(170, 190) << 1 << r << QPoint(4, 3);
        QTest::newRow("left band") << QPointF(14.9, 100) << 1 << r << QPoint(2, 4);
        QTest::newRow("x = 175 is outside") << QPointF(175, 100) << 1 << n << QPoint(3, 4);
        QTest::newRow("x = 15 is not the left band") << QPointF(15, 100) << 1 << r << QPoint(3, 4);
        QTest::newRow("x = 5 is outside") << QPointF(5, 100) << 1 << n << QPoint(3, 4);
        QTest::newRow("y = 28 is outside") << QPointF(100, 28) << 1 << n << QPoint(3, 4);
        QTest::newRow("y = 198 is outside") << QPointF(100, 198) << 1 << n << QPoint(3, 4);
        QTest::newRow("y = 38 is not the top band") << QPointF(100, 38) << 1 << r << QPoint(3, 4);
        QTest::newRow("x = 165 is not the right band") << QPointF(165, 100) << 1 << r << QPoint(3, 4);
        QTest::newRow("y = 188 is not the bottom band") << QPointF(100, 188) << 1 << r << QPoint(3, 4);
        QTest::newRow("mini-map centre") << QPointF(17.5, 14.5) << 1 << r << QPoint(-7, -7);
        QTest::newRow("mini-map rounds down") << QPointF(17.4, 14.4) << 1 << r << QPoint(-8, -6);
        QTest::newRow("mini-map x = 30 is outside") << QPointF(30, 14.5) << 1 << n << QPoint(3, 4);
        QTest::newRow("right button on a corner") << QPointF(10, 30) << 2 << n << QPoint(3, 4);
        QTest::newRow("middle button on the mini-map") << QPointF(17.5, 14.5) << 4 << n << QPoint(3, 4);
    }

    void regions()
    {
        QFETCH(QPointF, at);
        QFETCH(int, button);
        ViewState view;
        view.originX = 3;
        view.originY = 4;
        QTEST(scrollByPress(view, button, float(at.x()), float(at.y())), "action");
        QTEST(QPoint(view.originX, view.originY), "origin");
    }

    void scrollingNeverWraps()
    {
        // An origin a broken file left at the ends of the whole-number range stays there.
        ViewState view;
        view.originX = std::numeric_limits<qint32>::max();
        view.originY = std::numeric_limits<qint32>::min() + 1;
        QCOMPARE(keyPressed(view, 34), WindowAction::Redraw); // Page Down: right and down
        scrollByPress(view, 1, 100, 190); // the bottom band: down
        QCOMPARE(view.originX, std::numeric_limits<qint32>::max());
        QCOMPARE(view.originY, std::numeric_limits<qint32>::min());
    }

    void keys_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("redraws");
        QTest::addColumn<QPoint>("origin"); // from the start sector (-7, -7)

        QTest::newRow("Page Up") << QList<int> { Qt::Key_PageUp } << 1 << QPoint(-6, -6);
        QTest::newRow("Page Down") << QList<int> { Qt::Key_PageDown } << 1 << QPoint(-6, -8);
        QTest::newRow("End") << QList<int> { Qt::Key_End } << 1 << QPoint(-8, -8);
        QTest::newRow("Home") << QList<int> { Qt::Key_Home } << 1 << QPoint(-8, -6);
        QTest::newRow("Left") << QList<int> { Qt::Key_Left } << 1 << QPoint(-8, -7);
        QTest::newRow("Up") << QList<int> { Qt::Key_Up } << 1 << QPoint(-7, -6);
        QTest::newRow("Right") << QList<int> { Qt::Key_Right } << 1 << QPoint(-6, -7);
        QTest::newRow("Down") << QList<int> { Qt::Key_Down } << 1 << QPoint(-7, -8);
        QTest::newRow("forty Right stop at the edge") << QList<int>(40, Qt::Key_Right) << 40 << QPoint(20, -7);
        QTest::newRow("Clear goes to Sol's sector") << QList<int> { Qt::Key_Up, Qt::Key_Clear } << 2 << QPoint(-7, -7);
        QTest::newRow("letter redraws only") << QList<int> { Qt::Key_G } << 1 << QPoint(-7, -7);
        QTest::newRow("! has Page Up's code, no scroll") << QList<int> { Qt::Key_Exclam } << 1 << QPoint(-7, -7);
        QTest::newRow("Escape closes, no redraw") << QList<int> { Qt::Key_Escape } << 0 << QPoint(-7, -7);
    }

    void keys()
    {
        QFETCH(QList<int>, keys);
        const int before = m_window->redrawCount();
        for (int key : keys)
            QTest::keyClick(m_window.get(), Qt::Key(key));
        QTEST(m_window->redrawCount() - before, "redraws");
        QTEST(origin(), "origin");
        QCOMPARE(m_window->isVisible(), !keys.contains(Qt::Key_Escape));
    }

    void clicks_data()
    {
        QTest::addColumn<QPointF>("mapPos");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("star"); // whose marker or list row is under the click
        QTest::addColumn<QList<int>>("after"); // redraws, selectedStar, originX, originY

        const QList<int> same { 1, 165, -7, -7 }, tarn { 1, 111, -1, -25 }; // Tarn (111) is at (6, -18)
        QTest::newRow("top-left corner") << QPointF(10, 30) << 1 << -1 << QList<int> { 1, 165, -8, -6 };
        // A light year of the mini-map is about a pixel: clicks near its corners land on the clamped edges.
        QTest::newRow("mini-map top-left") << QPointF(6, 3) << 1 << -1 << QList<int> { 1, 165, -35, 20 };
        QTest::newRow("mini-map bottom-right") << QPointF(29, 26) << 1 << -1 << QList<int> { 1, 165, 20, -35 };
        QTest::newRow("right of the map") << QPointF(176, 100) << 1 << -1 << QList<int> { 0, 165, -7, -7 };
        // The marker lies in the left band: only the selection counts.
        QTest::newRow("marker left") << QPointF(10, 100) << 1 << 111 << tarn;
        QTest::newRow("marker right") << QPointF(10, 100) << 2 << 111 << same;
        QTest::newRow("marker Ross 41 clamped") << QPointF(10, 100) << 1 << 151 << QList<int> { 1, 151, -3, 20 };
        QTest::newRow("list row left") << QPointF(230, 122) << 1 << 111 << tarn;
        QTest::newRow("list row right") << QPointF(230, 122) << 2 << 111 << same;
    }

    void clicks()
    {
        QFETCH(QPointF, mapPos);
        QFETCH(int, button);
        QFETCH(int, star);
        MapCanvas *canvas = m_window->canvas();
        if (QByteArray(QTest::currentDataTag()).startsWith("marker")) // a marker is as high as its font
            canvas->setHitAreas({ { star, QRectF(7.0, 100.0 - canvas->markerHeight() / 2, 6.0, 0.0), "" } }, {});
        else if (star >= 0)
            canvas->setHitAreas({}, { { star, QRectF(200.0, 120.0, 60.0, 4.0), QString() } });
        const int before = m_window->redrawCount();
        QTest::mouseClick(
            canvas, button == 1 ? Qt::LeftButton : Qt::RightButton, Qt::NoModifier, canvas->toWidget(mapPos).toPoint());
        QTEST((QList<int> {
                  m_window->redrawCount() - before, m_window->model().view.selectedStar, origin().x(), origin().y() }),
            "after");
    }

private:
    QPoint origin() const { return QPoint(m_window->model().view.originX, m_window->model().view.originY); }

    SplashWindow m_splash;
    std::unique_ptr<MainWindow> m_window;
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
