#include "app/mapcanvas.h"
#include "mapview/viewstate.h"
#include "navigation/scrolling.h"
#include "support/mainwindowfixture.h"

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
        m_fixture = std::make_unique<MainWindowFixture>();
        m_window = m_fixture->window();
        QVERIFY(m_fixture->show());
        m_window->hideHelpCard();
    }

    void regions()
    {
        // Map units, button, action, origin after a press from (3, 4). Every bound is exclusive: x = 15 and 165,
        // y = 38 and 188 are in no band; x = 5 and 175, y = 28 and 198 and the mini-map's x = 30 are off the map.
        // The mini-map centres the sector on the light year clicked.
        const WindowAction r = WindowAction::Redraw, n = WindowAction::Nothing;
        const std::tuple<double, double, int, WindowAction, QPoint> presses[] = { { 10, 30, 1, r, { 2, 5 } },
            { 170, 190, 1, r, { 4, 3 } }, { 14.9, 100, 1, r, { 2, 4 } }, { 15, 100, 1, r, { 3, 4 } },
            { 165, 100, 1, r, { 3, 4 } }, { 100, 38, 1, r, { 3, 4 } }, { 100, 188, 1, r, { 3, 4 } },
            { 5, 100, 1, n, { 3, 4 } }, { 175, 100, 1, n, { 3, 4 } }, { 100, 28, 1, n, { 3, 4 } },
            { 100, 198, 1, n, { 3, 4 } }, { 17.5, 14.5, 1, r, { -7, -7 } }, { 17.4, 14.4, 1, r, { -8, -6 } },
            { 30, 14.5, 1, n, { 3, 4 } }, { 10, 30, 2, n, { 3, 4 } }, { 17.5, 14.5, 4, n, { 3, 4 } } };
        for (const auto &[x, y, button, action, origin] : presses) {
            ViewState view;
            view.originX = 3;
            view.originY = 4;
            QVERIFY2(scrollByPress(view, button, float(x), float(y)) == action
                    && QPoint(view.originX, view.originY) == origin,
                qPrintable(QString::asprintf("(%g, %g) button %d", x, y, button)));
        }
        // An origin a broken file left at the ends of the whole-number range stays there.
        ViewState view;
        view.originX = std::numeric_limits<qint32>::max();
        view.originY = std::numeric_limits<qint32>::min() + 1;
        keyPressed(view, 34); // Page Down: right and down
        scrollByPress(view, 1, 100, 190); // the bottom band: down
        QCOMPARE(QPoint(view.originX, view.originY),
            QPoint(std::numeric_limits<qint32>::max(), std::numeric_limits<qint32>::min()));
    }

    // Each key redraws once; the cursor block scrolls, Clear goes back to Sol's sector, forty steps right stop at
    // the edge, and "!" (Page Up's code) and letters do not scroll.
    void keys_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QPoint>("origin"); // from the start sector (-7, -7)
        const std::pair<QList<int>, QPoint> rows[]
            = { { { Qt::Key_PageUp }, { -6, -6 } }, { { Qt::Key_PageDown }, { -6, -8 } },
                  { { Qt::Key_End }, { -8, -8 } }, { { Qt::Key_Home }, { -8, -6 } }, { { Qt::Key_Left }, { -8, -7 } },
                  { { Qt::Key_Up }, { -7, -6 } }, { { Qt::Key_Right }, { -6, -7 } }, { { Qt::Key_Down }, { -7, -8 } },
                  { QList<int>(40, Qt::Key_Right), { 20, -7 } }, { { Qt::Key_Up, Qt::Key_Clear }, { -7, -7 } },
                  { { Qt::Key_G }, { -7, -7 } }, { { Qt::Key_Exclam }, { -7, -7 } } };
        for (const auto &[keys, origin] : rows)
            QTest::addRow("%s x%d", qPrintable(QKeySequence(keys.last()).toString()), int(keys.size()))
                << keys << origin;
    }

    void keys()
    {
        QFETCH(QList<int>, keys);
        const int before = m_window->redrawCount();
        for (int key : keys)
            QTest::keyClick(m_window, Qt::Key(key));
        QCOMPARE(m_window->redrawCount() - before, keys.size());
        QTEST(origin(), "origin");
    }

    void clicks_data()
    {
        QTest::addColumn<QPointF>("mapPos");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("star"); // whose marker or list row is under the click
        QTest::addColumn<QList<int>>("after"); // redraws, selectedStar, originX, originY

        const QList<int> same { 1, 165, -7, -7 }, tarn { 1, 111, -1, -25 }; // Tarn (111) is at (6, -18)
        QTest::newRow("top-left corner") << QPointF(10, 30) << 1 << -1 << QList<int> { 1, 165, -8, -6 };
        // The second press of a double-click is no press of its own.
        QTest::newRow("top-left corner double-click") << QPointF(10, 30) << 1 << -1 << QList<int> { 1, 165, -8, -6 };
        // A light year of the mini-map is about a pixel: clicks near its corners land on the clamped edges.
        QTest::newRow("mini-map top-left") << QPointF(6, 3) << 1 << -1 << QList<int> { 1, 165, -35, 20 };
        QTest::newRow("mini-map bottom-right") << QPointF(29, 26) << 1 << -1 << QList<int> { 1, 165, 20, -35 };
        QTest::newRow("right of the map") << QPointF(176, 100) << 1 << -1 << QList<int> { 0, 165, -7, -7 };
        // The marker lies in the left band: only the selection counts. A list row acts as a marker.
        QTest::newRow("marker left") << QPointF(10, 100) << 1 << 111 << tarn;
        QTest::newRow("marker right") << QPointF(10, 100) << 2 << 111 << same;
        QTest::newRow("marker Ross 41 clamped") << QPointF(10, 100) << 1 << 151 << QList<int> { 1, 151, -3, 20 };
        QTest::newRow("list row left") << QPointF(230, 122) << 1 << 111 << tarn;
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
        const Qt::MouseButton pressed = button == 1 ? Qt::LeftButton : Qt::RightButton;
        const QPoint at = canvas->toWidget(mapPos).toPoint();
        QTest::mouseClick(canvas, pressed, Qt::NoModifier, at);
        if (QByteArray(QTest::currentDataTag()).endsWith("double-click"))
            QTest::mouseDClick(canvas, pressed, Qt::NoModifier, at);
        QTEST((QList<int> {
                  m_window->redrawCount() - before, m_window->model().view.selectedStar, origin().x(), origin().y() }),
            "after");
    }

private:
    QPoint origin() const { return QPoint(m_window->model().view.originX, m_window->model().view.originY); }

    std::unique_ptr<MainWindowFixture> m_fixture;
    MainWindow *m_window = nullptr;
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
