#include "app/helpcard.h"
#include "app/mainwindow.h"
#include "app/mapcanvas.h"
#include "app/splashwindow.h"
#include "index/stellarindexwindow.h"
#include "mapview/displayoptionsdialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The main window shell: start-up state, menus, Display Options, About, help card and closing.
class TestShell : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startsOnSolWithTitle();
    void menuBarEntries();
    void displayOptionsDesign();
    void exitOptionsHidesAndRedraws();
    void closeBoxDiscardsChanges();
    void aboutShowsSplashUntilClicked();
    void helpCardHidesForGood();
    void everyWayOutClosesEveryWindow_data();
    void everyWayOutClosesEveryWindow();

private:
    template <typename T>
    T *child(QObject *parent, const char *name)
    {
        T *found = parent->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no child %s", name);
        return found;
    }

    std::unique_ptr<SplashWindow> m_splash;
    MainWindow *m_window = nullptr;
};

void TestShell::init()
{
    m_splash = std::make_unique<SplashWindow>();
    m_window = new MainWindow(m_splash.get());
    m_window->setAttribute(Qt::WA_DeleteOnClose);
    m_window->startUp();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestShell::cleanup()
{
    if (m_window)
        delete m_window;
    m_splash.reset();
}

void TestShell::startsOnSolWithTitle()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("VELMORA INTERACTIVE: Quorvane"));
    const ViewState &view = m_window->model().view;
    QCOMPARE(view.selectedStar, 165);
    QCOMPARE(view.secondStar, 0);
    QCOMPARE(view.originX, -7);
    QCOMPARE(view.originY, -7);
    QCOMPARE(m_window->table().size(), 192);
    // buildStarTable's redraw only hides the logo box; the load handler's own redraw draws.
    QCOMPARE(m_window->redrawCount(), 2);
    // The map is drawn at the screen's full pixel density, so it stays crisp on high-density screens.
    const QImage &image = m_window->canvas()->image();
    QCOMPARE(image.devicePixelRatio(), m_window->canvas()->devicePixelRatioF());
    QCOMPARE(image.size(), m_window->canvas()->size() * image.devicePixelRatio());
    // The map area keeps the A4 landscape proportions.
    const QSize map = m_window->canvas()->size();
    QVERIFY(qAbs(double(map.width()) / map.height() - 297.0 / 210.0) < 0.01);
}

void TestShell::menuBarEntries()
{
    QStringList top;
    for (QAction *action : m_window->menuBar()->actions())
        top << action->text();
    QCOMPARE(top, (QStringList { "&File", "&Edit", "Display Options", "Stellar Index", "Help" }));
    QVERIFY(!child<QAction>(m_window, "dispopts")->menu());
    QVERIFY(!child<QAction>(m_window, "dist")->menu());

    const QList<std::pair<const char *, const char *>> commands = {
        { "sfile", "Save Game State" },
        { "fload", "Load Game State" },
        { "splayer", "Save Player Map" },
        { "lplayer", "Load Player Map" },
        { "pfile", "Print Map" },
        { "nprint", "Send GM and Player Notes to Clipboard" },
        { "npprint", "Send Player Notes to Clipboard" },
        { "rprint", "Send Route to Clipboard" },
        { "plotroutemenu", "Plot Route" },
        { "clearroutemenu", "Clear Route" },
        { "bye", "Exit" },
        { "About", "About" },
        { "exportmap", "Export Map…" },
        { "exporthandout", "Export Player Handout…" },
        { "findstar", "Find Star…" },
    };
    for (const auto &[name, caption] : commands) {
        QAction *action = child<QAction>(m_window, name);
        QCOMPARE(action->text(), QString::fromUtf8(caption));
        QVERIFY(action->isEnabled());
    }
    QCOMPARE(child<QAction>(m_window, "sfile")->shortcut(), QKeySequence(QKeySequence::Save));
    QCOMPARE(child<QAction>(m_window, "bye")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    QCOMPARE(child<QAction>(m_window, "plotroutemenu")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    QStringList file;
    for (QAction *action : child<QMenu>(m_window, "fm")->actions())
        file << action->text();
    QCOMPARE(file,
        (QStringList { "Game Master", "Player", "Print", "Export Map…", "Export Player Handout…", "Travel", "Exit" }));
    QCOMPARE(child<QAction>(m_window, "findstar")->shortcut(), QKeySequence(QKeySequence::Find));
}

void TestShell::displayOptionsDesign()
{
    m_window->showDisplayOptions();
    DisplayOptionsDialog *dialog = m_window->displayOptionsDialog();
    QVERIFY(dialog->isVisible() && dialog->isModal());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Display Options"));
    QCOMPARE(dialog->parentWidget(), m_window);
    QStringList frames;
    for (QGroupBox *box : dialog->findChildren<QGroupBox *>())
        frames << box->title();
    frames.sort();
    QCOMPARE(frames, (QStringList { "Color Codes", "Display Modes", "Other Options", "Range Options" }));
    QCOMPARE(child<QComboBox>(dialog, "zmax")->currentText(), QStringLiteral("40"));
    QCOMPARE(child<QComboBox>(dialog, "zmax")->count(), 0);
    // Every check box, option and button with its caption and design state.
    const QList<std::tuple<const char *, const char *, bool>> controls = {
        { "dfsonflag", "Display Range Circle", false },
        { "dispsodstars", "Display Stars outside of Selected Range in Grey", false },
        { "xhair", "Cross Hairs around Selected Star", true },
        { "sodonflag", "Spheres of Development", false },
        { "staridon", "Star ID Numbers", false },
        { "col1", "Z Co-ordinate", true },
        { "col2", "Spectral Type", false },
        { "col3", "Distance From Selected Star", false },
        { "col4", "Spheres of Development", false },
        { "pcolflag", "Velmora Mode", true },
        { "Option10", "Printer or WYSIWYG Mode", false },
        { "Command1", "-10 to +10 Light Years", false },
        { "Command4", "-40 to +40 Light Years", false },
        { "OKButton", "Exit Options", false },
    };
    for (const auto &[name, caption, checked] : controls) {
        QCOMPARE(child<QAbstractButton>(dialog, name)->text(), QString::fromLatin1(caption));
        QCOMPARE(child<QAbstractButton>(dialog, name)->isChecked(), checked);
    }
    // The two option groups are independent.
    child<QRadioButton>(dialog, "Option10")->click();
    QVERIFY(child<QRadioButton>(dialog, "col1")->isChecked());
}

void TestShell::exitOptionsHidesAndRedraws()
{
    m_window->showDisplayOptions();
    DisplayOptionsDialog *dialog = m_window->displayOptionsDialog();
    QComboBox *rangeText = child<QComboBox>(dialog, "zmax");
    // The range buttons only set the text; nothing is redrawn before "Exit Options".
    const int start = m_window->redrawCount();
    for (int i = 1; i <= 4; ++i) {
        QTest::mouseClick(child<QPushButton>(dialog, qPrintable(QStringLiteral("Command%1").arg(i))), Qt::LeftButton);
        QCOMPARE(rangeText->currentText(), QString::number(10 * i));
    }
    QCOMPARE(m_window->redrawCount(), start);
    rangeText->clearEditText();
    QTest::keyClicks(rangeText, "15");
    child<QRadioButton>(dialog, "col3")->click();
    child<QRadioButton>(dialog, "Option10")->click();
    child<QCheckBox>(dialog, "staridon")->click();
    const int before = m_window->redrawCount();
    QTest::mouseClick(child<QPushButton>(dialog, "OKButton"), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(m_window->redrawCount(), before + 1);
    const ViewState &view = m_window->model().view;
    QCOMPARE(view.rangeHigh, 15);
    QCOMPARE(view.rangeLow, -15);
    QCOMPARE(view.colourCode, 2);
    QVERIFY(view.printerMode);
    QVERIFY(view.showStarNumbers);
    // Reopening shows the kept values.
    m_window->showDisplayOptions();
    QCOMPARE(rangeText->currentText(), QStringLiteral("15"));
}

void TestShell::closeBoxDiscardsChanges()
{
    m_window->showDisplayOptions();
    DisplayOptionsDialog *dialog = m_window->displayOptionsDialog();
    child<QPushButton>(dialog, "Command1")->click();
    child<QRadioButton>(dialog, "col2")->click();
    child<QCheckBox>(dialog, "xhair")->click();
    // Escape does not close the dialog and keeps the changes; the close box discards them.
    QTest::keyClick(dialog, Qt::Key_Escape);
    QVERIFY(dialog->isVisible());
    QCOMPARE(m_window->model().options.colourCode, 1);
    const int before = m_window->redrawCount();
    dialog->close();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(m_window->redrawCount(), before);
    QVERIFY(m_window->model().options == DisplayOptions());
    m_window->refreshMap();
    QCOMPARE(m_window->model().view.rangeHigh, 40);
    QCOMPARE(m_window->model().view.colourCode, 0);
    QVERIFY(m_window->model().view.showCrossHairs);
    m_window->showDisplayOptions();
    QCOMPARE(child<QComboBox>(dialog, "zmax")->currentText(), QStringLiteral("40"));
    QVERIFY(child<QRadioButton>(dialog, "col1")->isChecked());
}

void TestShell::aboutShowsSplashUntilClicked()
{
    QVERIFY(!m_splash->isVisible());
    m_window->showAbout();
    QVERIFY(m_splash->isVisible());
    QCOMPARE(m_splash->size(), QSize(320, 220));
    QVERIFY(m_window->isEnabled());
    QTest::mouseClick(m_splash.get(), Qt::LeftButton);
    QVERIFY(!m_splash->isVisible());
    m_window->showAbout();
    QTest::keyClick(m_splash.get(), Qt::Key_A);
    QVERIFY(!m_splash->isVisible());
}

void TestShell::helpCardHidesForGood()
{
    HelpCard *card = m_window->helpCard();
    QVERIFY(card->isVisible());
    QCOMPARE(card->toolTip(), QStringLiteral("Click Me to Continue"));
    // The card sits inside the grid, clear of the scrolling bands.
    const QPointF topLeft = m_window->canvas()->toMap(card->geometry().topLeft());
    const QPointF bottomRight = m_window->canvas()->toMap(card->geometry().bottomRight());
    QVERIFY(topLeft.x() > 15 && topLeft.y() > 38 && bottomRight.x() < 165 && bottomRight.y() < 188);
    QTest::mouseClick(card, Qt::LeftButton);
    QVERIFY(!card->isVisible());
    m_window->refreshMap();
    QVERIFY(!card->isVisible());
}

void TestShell::everyWayOutClosesEveryWindow_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("Exit") << 0;
    QTest::newRow("Escape") << 1;
    QTest::newRow("close box") << 2;
}

void TestShell::everyWayOutClosesEveryWindow()
{
    QFETCH(int, way);
    m_window->showAbout();
    m_window->showDisplayOptions();
    m_window->displayOptionsDialog()->hide();
    m_window->showStellarIndex();
    QVERIFY(m_window->stellarIndex()->isVisible());
    QPointer<MainWindow> window(m_window);
    QSignalSpy quit(qApp, &QCoreApplication::aboutToQuit);
    if (way == 0)
        child<QAction>(m_window, "bye")->trigger();
    else if (way == 1)
        QTest::keyClick(m_window, Qt::Key_Escape);
    else
        m_window->close();
    QVERIFY(!m_splash->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
    m_window = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
