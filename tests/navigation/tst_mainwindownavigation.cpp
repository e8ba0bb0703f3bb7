#include "app/mainwindow.h"
#include "app/mapcanvas.h"
#include "app/splashwindow.h"
#include "index/stellarindexwindow.h"
#include "mapview/displayoptionsdialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <QtTest>

#include <memory>

// Keys and mouse clicks sent to the real main window: each input ends in exactly one redraw,
// presses outside every region in none, and a press on a marker or list row never scrolls as well.
class TestMainWindowNavigation : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void keys_data();
    void keys();
    void escapeClosesWithoutRedraw();
    void mapClicks_data();
    void mapClicks();
    void markerAndRowClicks_data();
    void markerAndRowClicks();
    void stellarIndexDrivesTheMap();

private:
    void click(const QPointF &mapPos, Qt::MouseButton button = Qt::LeftButton);
    QPoint origin() const { return QPoint(m_window->model().view.xorg, m_window->model().view.yorg); }

    std::unique_ptr<SplashWindow> m_splash;
    std::unique_ptr<MainWindow> m_window;
};

void TestMainWindowNavigation::init()
{
    m_splash = std::make_unique<SplashWindow>();
    m_window = std::make_unique<MainWindow>(m_splash.get());
    m_window->Form_Load();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->helpimage_Click();
}

void TestMainWindowNavigation::cleanup()
{
    m_window.reset();
    m_splash.reset();
}

void TestMainWindowNavigation::click(const QPointF &mapPos, Qt::MouseButton button)
{
    MapCanvas *canvas = m_window->canvas();
    QTest::mouseClick(canvas, button, Qt::NoModifier, canvas->toWidget(mapPos).toPoint());
}

void TestMainWindowNavigation::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<QPoint>("origin"); // from the start sector (-7, -7)

    QTest::newRow("Right") << int(Qt::Key_Right) << false << QPoint(-6, -7);
    QTest::newRow("Left") << int(Qt::Key_Left) << false << QPoint(-8, -7);
    QTest::newRow("Up") << int(Qt::Key_Up) << false << QPoint(-7, -6);
    QTest::newRow("Down") << int(Qt::Key_Down) << false << QPoint(-7, -8);
    QTest::newRow("Page Up") << int(Qt::Key_PageUp) << false << QPoint(-6, -6);
    QTest::newRow("keypad 3") << int(Qt::Key_PageDown) << true << QPoint(-6, -8);
    QTest::newRow("End") << int(Qt::Key_End) << false << QPoint(-8, -8);
    QTest::newRow("keypad 7") << int(Qt::Key_Home) << true << QPoint(-8, -6);
    QTest::newRow("letter") << int(Qt::Key_G) << false << QPoint(-7, -7);
    QTest::newRow("exclamation mark") << int(Qt::Key_Exclam) << false << QPoint(-7, -7);
}

void TestMainWindowNavigation::keys()
{
    QFETCH(int, key);
    QFETCH(bool, keypad);
    QFETCH(QPoint, origin);
    const int before = m_window->redrawCount();
    QTest::keyClick(m_window.get(), Qt::Key(key), keypad ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(m_window->redrawCount(), before + 1);
    QCOMPARE(this->origin(), origin);

    // Clear (keypad 5 without Num Lock) goes back to Sol's sector, again with one redraw.
    QTest::keyClick(m_window.get(), Qt::Key_Clear, Qt::KeypadModifier);
    QCOMPARE(m_window->redrawCount(), before + 2);
    QCOMPARE(this->origin(), QPoint(-7, -7));
}

void TestMainWindowNavigation::escapeClosesWithoutRedraw()
{
    const int before = m_window->redrawCount();
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->redrawCount(), before);
}

void TestMainWindowNavigation::mapClicks_data()
{
    QTest::addColumn<QPointF>("mapPos");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("redraws");
    QTest::addColumn<QPoint>("origin");

    QTest::newRow("top-left corner") << QPointF(10, 30) << 1 << 1 << QPoint(-8, -6);
    QTest::newRow("right band") << QPointF(170, 100) << 1 << 1 << QPoint(-6, -7);
    QTest::newRow("bottom band") << QPointF(100, 193) << 1 << 1 << QPoint(-7, -8);
    QTest::newRow("inside the grid") << QPointF(100, 100) << 1 << 1 << QPoint(-7, -7);
    // A light year of the mini-map is about a pixel: clicks near its corners land on the clamped edges.
    QTest::newRow("mini-map top-left") << QPointF(6.0, 3.0) << 1 << 1 << QPoint(-35, 20);
    QTest::newRow("mini-map bottom-right") << QPointF(29.0, 26.0) << 1 << 1 << QPoint(20, -35);
    QTest::newRow("right of the map") << QPointF(180, 100) << 1 << 0 << QPoint(-7, -7);
    QTest::newRow("above the map") << QPointF(100, 15) << 1 << 0 << QPoint(-7, -7);
    QTest::newRow("right button in a band") << QPointF(10, 100) << 2 << 0 << QPoint(-7, -7);
}

void TestMainWindowNavigation::mapClicks()
{
    QFETCH(QPointF, mapPos);
    QFETCH(int, button);
    QFETCH(int, redraws);
    QFETCH(QPoint, origin);
    const int before = m_window->redrawCount();
    click(mapPos, button == 1 ? Qt::LeftButton : Qt::RightButton);
    QCOMPARE(m_window->redrawCount(), before + redraws);
    QCOMPARE(this->origin(), origin);
}

void TestMainWindowNavigation::markerAndRowClicks_data()
{
    QTest::addColumn<bool>("row");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("selstar");
    QTest::addColumn<QPoint>("origin");

    // The marker of "Tarn" (111, at 6, -18) lies in the left band: only the selection counts.
    QTest::newRow("marker left") << false << 1 << 111 << QPoint(-1, -25);
    QTest::newRow("marker right") << false << 2 << 165 << QPoint(-7, -7);
    QTest::newRow("list row left") << true << 1 << 111 << QPoint(-1, -25);
    QTest::newRow("list row right") << true << 2 << 165 << QPoint(-7, -7);
}

void TestMainWindowNavigation::markerAndRowClicks()
{
    QFETCH(bool, row);
    QFETCH(int, button);
    QFETCH(int, selstar);
    QFETCH(QPoint, origin);
    MapCanvas *canvas = m_window->canvas();
    const double markerHeight = canvas->markerHeight();
    const HitArea marker { 111, QRectF(7.0, 100.0, 6.0, 0.0), QStringLiteral("Tarn") };
    const HitArea listRow { 111, QRectF(200.0, 120.0, 60.0, 4.0), QString() };
    canvas->setHitAreas({ marker }, { listRow });
    const QPointF target = row ? listRow.rect.center() : QPointF(10.0, 100.0 + markerHeight / 2);

    const int before = m_window->redrawCount();
    click(target, button == 1 ? Qt::LeftButton : Qt::RightButton);
    QCOMPARE(m_window->redrawCount(), before + 1);
    QCOMPARE(m_window->model().view.selstar, selstar);
    QCOMPARE(this->origin(), origin);
}

void TestMainWindowNavigation::stellarIndexDrivesTheMap()
{
    m_window->dist_Click();
    StellarIndexWindow *index = m_window->form3();
    QVERIFY(index->isVisible());
    QCOMPARE(index->parentWidget(), m_window.get());
    const int before = m_window->redrawCount();
    QTest::mouseClick(index->findChild<QLabel *>("fullist111"), Qt::LeftButton);
    QCOMPARE(m_window->redrawCount(), before + 1);
    QCOMPARE(m_window->model().view.selstar, 111);
    QCOMPARE(origin(), QPoint(-1, -25));

    // A colour-code button also sets the Display Options choice.
    QTest::mouseClick(index->findChild<QPushButton *>("SIC2"), Qt::LeftButton);
    QCOMPARE(m_window->redrawCount(), before + 2);
    QCOMPARE(m_window->model().view.colmode, 2);
    QVERIFY(m_window->dispoptions()->findChild<QRadioButton *>("col3")->isChecked());

    QTest::keyClicks(index->gmnotes(), "Dust belt");
    QTest::mouseClick(index->findChild<QPushButton *>("savenotes"), Qt::LeftButton);
    QCOMPARE(m_window->redrawCount(), before + 3);
    QCOMPARE(m_window->model().notes.text(111), "Dust belt" + QString(NotesStore::kSeparator));
    QTest::mouseClick(index->findChild<QPushButton *>("Command1"), Qt::LeftButton);
    QVERIFY(!index->isVisible());
    QCOMPARE(m_window->redrawCount(), before + 3);
}

QTEST_MAIN(TestMainWindowNavigation)
#include "tst_mainwindownavigation.moc"
