#include "app/mainwindow.h"

#include "app/commandwiring.h"
#include "app/helpcard.h"
#include "app/keyshelp.h"
#include "app/mapcanvas.h"
#include "app/navigationwiring.h"
#include "app/notesearchwiring.h"
#include "app/splashwindow.h"
#include "index/stellarindexwindow.h"
#include "mapview/displayoptionsdialog.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>

MainWindow::MainWindow(SplashWindow *splash, const CommandServices *services)
    : m_splash(splash)
    , m_model(m_table)
    , m_canvas(new MapCanvas(this))
    , m_helpCard(new HelpCard(m_canvas))
    , m_workspace({ *this, m_model, m_table, m_menu, *m_canvas, m_printer, [this] { setUpPage(); } },
          [this] { return canvasTextScale(); })
{
    setObjectName(QStringLiteral("Form1"));
    QFont designFont(QStringLiteral("Arial"));
    designFont.setPointSizeF(8.25);
    setFont(designFont);
    setCentralWidget(m_canvas);
    m_model.logo.load(QStringLiteral(":/vqalogo.png"));
    m_model.logoNegative.load(QStringLiteral(":/vqalogoneg.png"));
    setFocusPolicy(Qt::StrongFocus);
    m_menu = MainMenu::build(*menuBar());
    connect(m_menu.exitAction, &QAction::triggered, this, &MainWindow::exitProgram);
    connect(m_menu.displayOptionsAction, &QAction::triggered, this, &MainWindow::showDisplayOptions);
    connect(m_menu.stellarIndexAction, &QAction::triggered, this, &MainWindow::showStellarIndex);
    connect(m_menu.aboutAction, &QAction::triggered, this, &MainWindow::showAbout);
    connect(m_menu.quickStartAction, &QAction::triggered, this, [this] {
        m_helpCard->placeOn(*m_canvas);
        m_helpCard->show();
        m_helpCard->raise();
    });
    connect(m_menu.keysAction, &QAction::triggered, this, &MainWindow::showKeysAndMouse);
    connect(m_canvas, &MapCanvas::resized, this, [this] {
        m_helpCard->placeOn(*m_canvas);
        m_workspace.redraw().repaintLater();
    });
    connect(m_helpCard, &HelpCard::clicked, this, &MainWindow::hideHelpCard);
    m_closeGuard = wireCommands(m_workspace, services);
    m_workspace.setNavigation(new NavigationWiring(m_workspace));
    connect(m_menu.findStarAction, &QAction::triggered, m_workspace.navigation(), &NavigationWiring::findStar);
    wireNotesSearch(m_workspace);
    // Last, so that whoever takes the window's mapDrawn hears of a drawing after the wiring did.
    connect(&m_workspace.redraw(), &MapRedraw::mapDrawn, this, &MainWindow::mapDrawn);
}

MainWindow::~MainWindow() = default;

void MainWindow::startUp()
{
    m_model.view.selectedStar = StarTable::kSol;
    setUpPage();
    m_model.view.originX = -7;
    m_model.view.originY = -7;
    buildStarTable();
    refreshMap();
}

void MainWindow::buildStarTable()
{
    m_table = StarTable::fromCatalogue();
    m_model.distances = PairDistances(m_table);
    m_model.notes = NotesStore(m_table.size());
    // The campaign's per-star parts take the table's size; the travel plan keeps the remembered limit.
    m_model.campaign.reveal = RevealStates(m_table.size());
    m_model.campaign.polities = Polities(m_table.size());
    stellarIndex()->buildList();
    setWindowTitle(QStringLiteral("VELMORA INTERACTIVE: Quorvane"));
    displayOptionsDialog();
    stellarIndex()->setColourCaptions(DisplayOptions::colourCaptions());
    refreshMap();
}

void MainWindow::setUpPage()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return; // no screen at all: the window keeps its default size
    const double twipsPerPixel = 1440.0 / screen->logicalDotsPerInchX();
    // The area left free by panels and docks; on a bare screen the whole screen.
    const QRect available = screen->availableGeometry();
    const QSizeF screenTwips = QSizeF(available.size()) * twipsPerPixel;
    const PrinterPage printerPage = m_printer.prepare(font().family());
    m_page = ::setUpPage(printerPage.twips, printerPage.scaleMm, screenTwips);
    m_model.view.textScale = m_page.textScale;
    m_canvas->setScaleSize(m_page.scaleSize);

    // The map area gets the page's proportions; the menu bar sits above it.
    const QRectF px(m_page.windowTwips.topLeft() / twipsPerPixel, m_page.windowTwips.size() / twipsPerPixel);
    const int menuHeight = menuBar()->sizeHint().height();
    m_canvas->setMinimumSize(1, 1);
    m_setUpCanvas = QSize(qRound(px.width()), qRound(px.height()));
    resize(m_setUpCanvas.width(), m_setUpCanvas.height() + menuHeight);
    if (layout())
        layout()->activate(); // the map area takes its new size now, before the next drawing
    move(available.topLeft() + QPoint(qRound(px.left()), qRound(px.top() - menuHeight / 2.0)));
}

double MainWindow::canvasTextScale() const
{
    // At the size the page set-up gave, exactly its scale; at any other, the page set-up's rule
    // applied to the width the page is drawn at, so the texts keep their places on the page.
    if (m_canvas->size() == m_setUpCanvas)
        return m_page.textScale;
    return m_page.textScaleAt(m_canvas->pageRect().width() * 1440.0 / m_canvas->logicalDpiX());
}

void MainWindow::exitProgram()
{
    close();
}

void MainWindow::showAbout()
{
    m_splash->show();
    m_splash->raise();
    m_splash->activateWindow();
}

void MainWindow::showKeysAndMouse()
{
    auto *keys = findChild<QMessageBox *>(QStringLiteral("keyshelpbox"), Qt::FindDirectChildrenOnly);
    if (!keys) {
        keys = new QMessageBox(
            QMessageBox::NoIcon, QStringLiteral("Keys and Mouse"), keysAndMouseText(), QMessageBox::Close, this);
        keys->setObjectName(QStringLiteral("keyshelpbox"));
        keys->setTextFormat(Qt::RichText);
        keys->setWindowModality(Qt::NonModal);
    }
    keys->show();
    keys->raise();
}

void MainWindow::showDisplayOptions()
{
    DisplayOptionsDialog *options = displayOptionsDialog();
    options->setLinkLimit(m_model.campaign.travel.jumpLimit);
    options->load();
    options->show();
    options->raise();
}

void MainWindow::hideHelpCard()
{
    m_helpCard->hide();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_unloading && m_closeGuard && !m_closeGuard()) {
        event->ignore();
        return;
    }
    closeEverything();
    event->accept();
}

void MainWindow::closeEverything()
{
    if (m_unloading)
        return;
    m_unloading = true;
    // Every other window closes, last loaded first: Display Options, the Stellar Index, then the splash and
    // whatever else is open (Qt's list of top-level windows has no order of its own).
    QWidget *const options = m_workspace.madeDisplayOptions();
    QWidget *const index = m_workspace.madeStellarIndex();
    for (QWidget *window : { options, index })
        if (window)
            window->close();
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window != this && window != options && window != index)
            window->close();
    QCoreApplication::quit();
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    m_workspace.navigation()->keyPressed(*event);
}
