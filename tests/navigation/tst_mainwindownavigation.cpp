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
    void cleanup() { m_window.reset(); }
    void keys_data();
    void keys();
    void escapeClosesWithoutRedraw();
    void clicks_data();
    void clicks();
    void stellarIndexDrivesTheMap();

private:
    QPoint origin() const { return QPoint(m_window->model().view.xorg, m_window->model().view.yorg); }

    SplashWindow m_splash;
    std::unique_ptr<MainWindow> m_window;
};

void TestMainWindowNavigation::init()
{
    m_window = std::make_unique<MainWindow>(&m_splash);
    m_window->Form_Load();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->helpimage_Click();
}

void TestMainWindowNavigation::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<QPoint>("origin"); // from the start sector (-7, -7)

    QTest::newRow("Right") << int(Qt::Key_Right) << false << QPoint(-6, -7);
    QTest::newRow("Down") << int(Qt::Key_Down) << false << QPoint(-7, -8);
    QTest::newRow("keypad 9") << int(Qt::Key_PageUp) << true << QPoint(-6, -6);
    QTest::newRow("End") << int(Qt::Key_End) << false << QPoint(-8, -8);
    QTest::newRow("letter") << int(Qt::Key_G) << false << QPoint(-7, -7);
}

void TestMainWindowNavigation::keys()
{
    QFETCH(int, key);
    QFETCH(bool, keypad);
    const int before = m_window->redrawCount();
    QTest::keyClick(m_window.get(), Qt::Key(key), keypad ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(m_window->redrawCount(), before + 1);
    QTEST(origin(), "origin");
    // Clear (keypad 5 without Num Lock) goes back to Sol's sector, again with one redraw.
    QTest::keyClick(m_window.get(), Qt::Key_Clear, Qt::KeypadModifier);
    QCOMPARE(m_window->redrawCount(), before + 2);
    QCOMPARE(origin(), QPoint(-7, -7));
}

void TestMainWindowNavigation::escapeClosesWithoutRedraw()
{
    const int before = m_window->redrawCount();
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->redrawCount(), before);
}

void TestMainWindowNavigation::clicks_data()
{
    QTest::addColumn<QPointF>("mapPos");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("redraws");
    QTest::addColumn<QList<int>>("after"); // selstar, xorg, yorg

    QTest::newRow("top-left corner") << QPointF(10, 30) << 1 << 1 << QList<int> { 165, -8, -6 };
    QTest::newRow("inside the grid") << QPointF(100, 100) << 1 << 1 << QList<int> { 165, -7, -7 };
    // A light year of the mini-map is about a pixel: clicks near its corners land on the clamped edges.
    QTest::newRow("mini-map top-left") << QPointF(6, 3) << 1 << 1 << QList<int> { 165, -35, 20 };
    QTest::newRow("mini-map bottom-right") << QPointF(29, 26) << 1 << 1 << QList<int> { 165, 20, -35 };
    QTest::newRow("right of the map") << QPointF(176, 100) << 1 << 0 << QList<int> { 165, -7, -7 };
    QTest::newRow("right button in a band") << QPointF(10, 100) << 2 << 0 << QList<int> { 165, -7, -7 };
    // "Tarn" (111, at 6, -18) with its marker in the left band: only the selection counts.
    QTest::newRow("marker left") << QPointF(10, 100) << 1 << 1 << QList<int> { 111, -1, -25 };
    QTest::newRow("marker right") << QPointF(10, 100) << 2 << 1 << QList<int> { 165, -7, -7 };
    QTest::newRow("list row left") << QPointF(230, 122) << 1 << 1 << QList<int> { 111, -1, -25 };
    QTest::newRow("list row right") << QPointF(230, 122) << 2 << 1 << QList<int> { 165, -7, -7 };
}

void TestMainWindowNavigation::clicks()
{
    QFETCH(QPointF, mapPos);
    QFETCH(int, button);
    MapCanvas *canvas = m_window->canvas();
    if (QByteArray(QTest::currentDataTag()).startsWith("marker")) // markers are as high as a marker's font
        canvas->setHitAreas({ { 111, QRectF(7.0, 100.0 - canvas->markerHeight() / 2, 6.0, 0.0), "Tarn" } }, {});
    if (QByteArray(QTest::currentDataTag()).startsWith("list row"))
        canvas->setHitAreas({}, { { 111, QRectF(200.0, 120.0, 60.0, 4.0), QString() } });
    const int before = m_window->redrawCount();
    QTest::mouseClick(
        canvas, button == 1 ? Qt::LeftButton : Qt::RightButton, Qt::NoModifier, canvas->toWidget(mapPos).toPoint());
    QTEST(m_window->redrawCount() - before, "redraws");
    QTEST((QList<int> { m_window->model().view.selstar, origin().x(), origin().y() }), "after");
}

void TestMainWindowNavigation::stellarIndexDrivesTheMap()
{
    m_window->dist_Click();
    StellarIndexWindow *index = m_window->form3();
    QVERIFY(index->isVisible());
    QCOMPARE(index->parentWidget(), m_window.get());
    const int before = m_window->redrawCount();
    QTest::mouseClick(index->findChild<QLabel *>("fullist111"), Qt::LeftButton);
    QCOMPARE(m_window->model().view.selstar, 111);
    QCOMPARE(origin(), QPoint(-1, -25));
    // A colour-code button also sets the Display Options choice.
    QTest::mouseClick(index->findChild<QPushButton *>("SIC2"), Qt::LeftButton);
    QCOMPARE(m_window->model().view.colmode, 2);
    QVERIFY(m_window->dispoptions()->findChild<QRadioButton *>("col3")->isChecked());
    QTest::keyClicks(index->gmnotes(), "Dust belt");
    QTest::mouseClick(index->findChild<QPushButton *>("savenotes"), Qt::LeftButton);
    QCOMPARE(m_window->model().notes.text(111), "Dust belt" + QString(NotesStore::kSeparator));
    QTest::mouseClick(index->findChild<QPushButton *>("Command1"), Qt::LeftButton);
    QVERIFY(!index->isVisible());
    QCOMPARE(m_window->redrawCount(), before + 3);
}

QTEST_MAIN(TestMainWindowNavigation)
#include "tst_mainwindownavigation.moc"
