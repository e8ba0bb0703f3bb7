#include "app/commandwiring.h"
#include "app/helpcard.h"
#include "app/mapcanvas.h"
#include "app/playerwindow.h"
#include "app/politieswiring.h"
#include "app/revealwiring.h"
#include "index/indexmarks.h"
#include "index/notespanel.h"
#include "index/revealbox.h"
#include "index/stellarindexwindow.h"
#include "mapview/displayoptionsdialog.h"
#include "politiesview/politieswindow.h"
#include "reveal/playercopy.h"
#include "spaceview/spaceviewcanvas.h"
#include "spaceview/spaceviewwindow.h"
#include "support/mainwindowfixture.h"
#include "support/scenedots.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

bool hasMarker(const MapCanvas &canvas, int star)
{
    for (const HitArea &marker : canvas.markers())
        if (marker.star == star)
            return true;
    return false;
}

QStringList captions(const QMenu &menu)
{
    QStringList texts;
    for (const QAction *action : menu.actions())
        texts << (action->isSeparator() && action->text().isEmpty()
                ? QStringLiteral("-")
                : action->text() + (action->isChecked() ? "*" : ""));
    return texts;
}

// Every service the File menu's commands use, logging which one was asked for what. Dialogs are
// cancelled, so each command stops after its first question.
class LoggedServices : public FileDialog,
                       public MessageBox,
                       public Clipboard,
                       public PrintDialog,
                       public ResolutionChooser
{
public:
    QStringList log;
    bool showSave() override { return record("save " + title); }
    bool showOpen() override { return record("open " + title); }
    bool showPrinter(QWidget *, QPrinter &) override { return record("printer"); }
    Answer show(const QString &, const QString &title, Buttons, Icon) override
    {
        record("message " + title);
        return Answer::Ok;
    }
    void setText(const QString &text) override { log << "clipboard " + text.section(QRegularExpression(" \\d"), 0, 0); }
    int chooseDpi(const QString &title) override { return int(record("dpi " + title)); } // 0: cancelled

private:
    bool record(const QString &entry)
    {
        log << entry;
        return false;
    }
};

} // namespace

// The main window, shown afresh for each test: start-up, menus, Display Options, About, the help card and
// closing; saving; the Stellar Index, the 3D View and the find windows open beside it, driven through the
// windowing system as a user's keys and clicks arrive (a modal window would block them); and setting what
// the players know, View as Player, the player window and the Polities window. The window's own commands are reached
// through their menu actions, so a miswired action fails here.
class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_fixture = std::make_unique<MainWindowFixture>();
        m_window = m_fixture->window();
        m_services = &m_fixture->services;
        QVERIFY(m_fixture->show());
    }
    void cleanup() { m_fixture.reset(); }

    // Each menu action runs its own command and no other, in a window of its own with LoggedServices
    // behind it; "redraw" marks each drawing of the map.
    void eachMenuActionRunsItsCommand()
    {
        m_fixture.reset(); // one main window at a time: this test's own
        LoggedServices services;
        MainWindowFixture window(CommandServices { services, services, services, services, services });
        window.model().view.secondStarChosen = true; // star 0 as the destination
        QObject::connect(window.window(), &MainWindow::mapDrawn, [&services] { services.log << "redraw"; });
        const QString sent = "message Clipboard Ready";
        const std::pair<QAction * MainMenu::*, QStringList> rows[]
            = { { &MainMenu::saveStateAction, { "save Save Game State" } },
                  { &MainMenu::saveStateAsAction, { "save Save Game State" } },
                  { &MainMenu::loadStateAction, { "open Load Game State" } },
                  { &MainMenu::savePlayerAction, { "save Save Player Game State" } },
                  { &MainMenu::loadPlayerAction, { "open Load Player Map" } },
                  { &MainMenu::printAction, { "printer", "redraw" } },
                  { &MainMenu::copyAllNotesAction, { "clipboard VQA Game Master Notes and Player Notes", sent } },
                  { &MainMenu::copyPlayerNotesAction, { "clipboard VQA Player Notes", sent } },
                  { &MainMenu::exportMapAction, { "save Export Map" } },
                  { &MainMenu::exportHandoutAction, { "save Export Player Handout" } },
                  // In this order: no route yet to copy; Sol to the second star, star 0, drawn then reported; cleared.
                  { &MainMenu::copyRouteAction, { "message Plot Route" } },
                  { &MainMenu::plotRouteAction, { "redraw", "message Plot Route" } },
                  { &MainMenu::clearRouteAction, { "redraw" } } };
        for (const auto &[action, ran] : rows) {
            services.log.clear();
            (window.menu().*action)->trigger();
            QVERIFY2(services.log == ran,
                qPrintable((window.menu().*action)->objectName() + ": " + services.log.join(", ")));
        }
    }

    void startUp()
    {
        // buildStarTable's redraw only hides the logo box; the load handler's own redraw draws.
        QCOMPARE(m_window->redrawCount(), 2);
        // Drawn at the screen's full pixel density, in A4 landscape proportions.
        const QImage &image = m_window->canvas()->image();
        QCOMPARE(image.devicePixelRatio(), m_window->canvas()->devicePixelRatioF());
        QCOMPARE(image.size(), m_window->canvas()->size() * m_window->canvas()->devicePixelRatioF());
        const QSize map = m_window->canvas()->size();
        QVERIFY(qAbs(double(map.width()) / map.height() - 297.0 / 210.0) < 0.01);
        // The help card sits inside the grid, clear of the scrolling bands, until a click hides it for good.
        HelpCard *card = m_window->helpCard();
        QVERIFY(card->isVisible());
        const QPointF topLeft = m_window->canvas()->toMap(card->geometry().topLeft());
        const QPointF bottomRight = m_window->canvas()->toMap(card->geometry().bottomRight());
        QVERIFY(topLeft.x() > 15 && topLeft.y() > 38 && bottomRight.x() < 165 && bottomRight.y() < 188);
        QTest::mouseClick(card, Qt::LeftButton);
        QVERIFY(!card->isVisible());
        m_window->refreshMap();
        QVERIFY(!card->isVisible());
    }

    // The dialog changes the options as it is used; "Exit Options" keeps them and redraws once,
    // the close box puts back what was there when it opened. Escape does neither.
    void displayOptionsKeepOrDiscard_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::newRow("Exit Options") << true;
        QTest::newRow("close box") << false;
    }
    void displayOptionsKeepOrDiscard()
    {
        QFETCH(bool, keep);
        action("dispopts")->trigger();
        DisplayOptionsDialog *dialog = m_window->displayOptionsDialog();
        QVERIFY(dialog->isVisible() && dialog->isModal());
        QComboBox *rangeText = child<QComboBox>(dialog, "zmax");

        // The range buttons only set the text; nothing is redrawn before the dialog is left.
        const int start = m_window->redrawCount();
        for (int i = 1; i <= 4; ++i) {
            QTest::mouseClick(child(dialog, QStringLiteral("Command%1").arg(i)), Qt::LeftButton);
            QCOMPARE(rangeText->currentText(), QString::number(10 * i));
        }
        rangeText->clearEditText();
        QTest::keyClicks(rangeText, "15");
        for (const char *name : { "col3", "Option10", "staridon", "xhair" })
            child(dialog, name)->click();
        QVERIFY(child(dialog, "col3")->isChecked()); // the two option groups are independent
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(dialog->isVisible());
        QCOMPARE(m_window->model().options.colourCode, 2);
        QCOMPARE(m_window->redrawCount(), start);

        if (keep)
            QTest::mouseClick(child(dialog, "OKButton"), Qt::LeftButton);
        else
            dialog->close();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(m_window->redrawCount(), start + int(keep));
        m_window->refreshMap();
        const ViewState &view = m_window->model().view;
        QCOMPARE((QList<int> { view.rangeHigh, view.rangeLow, view.colourCode, view.printerMode, view.showStarNumbers,
                     view.showCrossHairs }),
            (keep ? QList<int> { 15, -15, 2, 1, 1, 0 } : QList<int> { 40, -40, 0, 0, 0, 1 }));
        // Reopening shows what was kept.
        action("dispopts")->trigger();
        QCOMPARE(rangeText->currentText(), keep ? QStringLiteral("15") : QStringLiteral("40"));
        QCOMPARE(child(dialog, "col3")->isChecked(), keep);
    }

    // Resized wide (dark) or tall (printer mode), the map stays one A4 page centred on its background, its
    // texts scaled by the width it is drawn at, its click areas on its dots.
    void resizedWindowKeepsOnePage()
    {
        m_window->helpCard()->hide();
        MapCanvas *canvas = m_window->canvas();
        for (const auto &[size, printerMode] : { std::pair { QSize(1200, 400), false }, { QSize(500, 800), true } }) {
            m_window->model().options.printerMode = printerMode;
            m_window->resize(size);
            QTRY_COMPARE(canvas->image().size(), canvas->size() * canvas->devicePixelRatioF());
            m_window->refreshMap();
            const QRectF page = canvas->pageRect();
            QCOMPARE(page.center().toPoint(), canvas->rect().center() + QPoint(1, 1));
            QVERIFY(qAbs(page.width() / page.height() - 297.0 / 210.0) < 0.01 && page.size() != canvas->size());
            QCOMPARE(m_window->model().view.textScale, page.width() * 15 / 16838);
            const QImage image = canvas->image().scaled(canvas->size());
            QCOMPARE(image.pixelColor(canvas->width() - 1, canvas->height() - 1), printerMode ? Qt::white : Qt::black);
            const HitArea star = canvas->markers().front();
            QTest::mouseClick(
                canvas, Qt::LeftButton, {}, canvas->toWidget(star.rect.topLeft() + QPointF(2, 2)).toPoint());
            QCOMPARE(m_window->model().view.selectedStar, star.star);
        }
    }

    void aboutShowsSplashUntilClicked()
    {
        action("About")->trigger();
        SplashWindow &splash = m_fixture->splash;
        QVERIFY(splash.isVisible() && m_window->isEnabled());
        QTest::mouseClick(&splash, Qt::LeftButton);
        QVERIFY(!splash.isVisible());
        action("About")->trigger();
        QTest::keyClick(&splash, Qt::Key_A);
        QVERIFY(!splash.isVisible());
    }

    void everyWayOutClosesEveryWindow_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Exit") << "Exit";
        QTest::newRow("Escape") << "Escape";
        QTest::newRow("close box") << "close box";
    }
    void everyWayOutClosesEveryWindow()
    {
        QFETCH(QString, way);
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        action("About")->trigger();
        action("dispopts")->trigger();
        m_window->displayOptionsDialog()->hide();
        action("dist")->trigger();
        QVERIFY(m_window->stellarIndex()->isVisible());
        if (way == "Exit")
            action("bye")->trigger();
        else if (way == "Escape")
            QTest::keyClick(m_window, Qt::Key_Escape);
        else
            m_window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_fixture->window());
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
    }

    // With the index open, the map scrolls by key and the 3-D view picks a star; the index shows
    // the pick (caption and notes) and the map's own keys go on working.
    void indexLeavesOtherWindowsWorking()
    {
        MapModel &model = m_window->model();
        m_window->showStellarIndex();
        StellarIndexWindow *index = m_window->stellarIndex();
        QVERIFY(QTest::qWaitForWindowExposed(index));
        m_window->menu().spaceViewAction->trigger();
        auto *space = m_window->findChild<SpaceViewWindow *>();
        QVERIFY(space && QTest::qWaitForWindowExposed(space));
        QVERIFY(index->isVisible());

        const int originX = model.view.originX;
        QTest::keyClick(m_window->windowHandle(), Qt::Key_Right);
        QCOMPARE(model.view.originX, originX + 1);

        SpaceViewCanvas *canvas = space->canvas();
        const SceneDot *dot = clearDot(canvas, model.view.selectedStar);
        QVERIFY(dot);
        const int star = dot->star;
        model.notes.setNotes(star, "picked GM", "picked player");
        const QPoint at = canvas->mapTo(space, dot->at.toPoint());
        QTest::mouseClick(space->windowHandle(), Qt::LeftButton, {}, at);
        QCOMPARE(model.view.selectedStar, star);
        QVERIFY(index->isVisible());
        QVERIFY(index->findChild<QLabel *>("sellabel")->text().contains((*model.stars)[star].starName));
        QCOMPARE(index->notes()->gameMasterNotes()->toPlainText(), QStringLiteral("picked GM"));
        QCOMPARE(index->notes()->playerNotes()->toPlainText(), QStringLiteral("picked player"));
    }

    // Save writes the file last saved or loaded without a dialog; Save As asks; the title names the
    // file and carries the mark while the map differs from it.
    void saveKnowsTheCampaign()
    {
        QVERIFY(m_dir.isValid());
        const QString campaign = m_dir.filePath("campaign.kmf"), other = m_dir.filePath("other.kmf");
        const MainMenu &menu = m_window->menu();
        QVERIFY(!m_window->isWindowModified());
        QTest::keyClick(m_window->windowHandle(), Qt::Key_Right);
        QVERIFY(m_window->isWindowModified());
        // The first save of a new run asks where, offering "mymap".
        m_services->answer = campaign;
        menu.saveStateAction->trigger();
        QCOMPARE(m_services->fileName, campaign);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("campaign.kmf[*] \u2014 Quorvane"));
        QVERIFY(!m_window->isWindowModified());

        QTest::keyClick(m_window->windowHandle(), Qt::Key_Down);
        QVERIFY(m_window->isWindowModified());
        const QByteArray before = contents(campaign);
        m_services->answer = other; // what a dialog would pick, were one shown
        menu.saveStateAction->trigger();
        QVERIFY(!QFile::exists(other));
        QVERIFY(contents(campaign) != before);
        QVERIFY(!m_window->isWindowModified());

        menu.saveStateAsAction->trigger();
        QVERIFY(QFile::exists(other));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("other.kmf[*] \u2014 Quorvane"));
        // Loading (Recent Files and the command line load the same way) makes the loaded file current.
        openStateFile(m_window->workspace(), campaign);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("campaign.kmf[*] \u2014 Quorvane"));
        QVERIFY(!m_window->isWindowModified());
        m_window->model().notes.setNotes(3, "new", "");
        m_window->refreshMap();
        QVERIFY(m_window->isWindowModified());
    }

    // Closing with unsaved changes asks; Save writes and closes, Don't Save closes, Cancel stays.
    void quitAsks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        QTest::newRow("Save") << int(MessageBox::Answer::Yes) << true << true;
        QTest::newRow("Don't Save") << int(MessageBox::Answer::No) << true << false;
        QTest::newRow("Cancel") << int(MessageBox::Answer::Cancel) << false << false;
    }
    void quitAsks()
    {
        QFETCH(int, answer);
        const QString campaign = m_dir.filePath(QStringLiteral("quit %1.kmf").arg(QTest::currentDataTag()));
        m_services->answer = campaign;
        m_window->menu().saveStateAction->trigger();
        // Nothing unsaved: the window would close at once, so no question is asked before a change.
        QVERIFY(m_services->shown.isEmpty());
        QTest::keyClick(m_window->windowHandle(), Qt::Key_Left);
        const QByteArray before = contents(campaign);
        m_services->button = MessageBox::Answer(answer);
        QTest::keyClick(m_window->windowHandle(), Qt::Key_Escape);
        QCOMPARE(m_services->shown,
            QStringList {
                QStringLiteral("Save changes to %1 before closing?|Quorvane|?").arg(QFileInfo(campaign).fileName()) });
        QTEST(!m_window->isVisible(), "closed");
        QTEST(contents(campaign) != before, "saved");
    }

    // Escape in a field, a list or a box leaves it, never the program (for the find field: tst_find).
    void escapeInFieldsKeepsTheProgram()
    {
        m_window->menu().findNotesAction->trigger();
        for (const char *name : { "findnotesfield", "findnotesresults" }) {
            m_window->menu().findNotesAction->trigger();
            auto *field = m_window->findChild<QWidget *>(name);
            QVERIFY(field && field->isVisible());
            QTest::keyClick(field, Qt::Key_Escape);
            QVERIFY(!field->isVisible());
        }

        m_window->showStellarIndex();
        StellarIndexWindow *index = m_window->stellarIndex();
        for (QWidget *field : { static_cast<QWidget *>(index->findChild<QDoubleSpinBox *>("jumplimit")),
                 static_cast<QWidget *>(index->notes()->gameMasterNotes()),
                 static_cast<QWidget *>(index->notes()->playerNotes()) }) {
            QTest::keyClick(field, Qt::Key_Escape);
            QVERIFY(index->isVisible());
        }
        QVERIFY(m_window->isVisible());
    }

    // Help brings the help card back and lists the inputs, the marks explained as on the index entries.
    void helpMenu()
    {
        HelpCard *card = m_window->helpCard();
        m_window->hideHelpCard();
        m_window->menu().quickStartAction->trigger();
        QVERIFY(card->isVisible());
        m_window->menu().keysAction->trigger();
        auto *keys = m_window->findChild<QMessageBox *>("keyshelpbox");
        QVERIFY(keys && keys->isVisible() && !keys->isModal());
        QVERIFY(keys->text().contains("Ctrl+Shift+S") && keys->text().contains(marksExplained()));
        QCOMPARE(m_window->stellarIndex()->findChild<QLabel *>("fullist3")->toolTip(), marksExplained());
    }

    // The sequence after which the program once ended without a word: atlas exports in both editions
    // with the 3D View open, then Display Options. Each export says where it wrote; the program lives on.
    void atlasExportsThenDisplayOptions()
    {
        m_window->model().notes.setNotes(165, "Sol GM", "Sol player");
        m_window->model().notes.setNotes(169, "Tau GM", "");
        m_window->refreshMap();
        m_window->menu().spaceViewAction->trigger();
        for (const char *edition : { "atlasgm", "atlasplayer", "atlasgm", "atlasplayer" }) {
            const QString file = m_dir.filePath(QStringLiteral("%1-%2.pdf").arg(edition).arg(m_services->shown.size()));
            m_services->answer = file;
            QTimer::singleShot(0, this, [edition] {
                auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
                QVERIFY(dialog && dialog->objectName() == "atlasdialog");
                dialog->findChild<QRadioButton *>(edition)->setChecked(true);
                dialog->accept();
            });
            m_window->menu().exportAtlasAction->trigger();
            QVERIFY(contents(file).startsWith("%PDF"));
            QCOMPARE(m_services->shown.last(),
                QStringLiteral("The atlas has been written to %1|Export Atlas|?").arg(QDir::toNativeSeparators(file)));
        }
        m_window->menu().displayOptionsAction->trigger();
        auto *options = m_window->findChild<QDialog *>("dispoptions");
        QVERIFY(options && options->isVisible());
        QTest::mouseClick(options->findChild<QPushButton *>("OKButton"), Qt::LeftButton);
        QVERIFY(!options->isVisible());
        QTest::qWait(50);
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->model().view.selectedStar, 165);
    }

    // The Stellar Index box sets the selected star's state as one undoable step and shows it back.
    void indexBoxSetsStateAsOneStep()
    {
        RevealBox *box = m_window->stellarIndex()->revealBox();
        QCOMPARE(box->choice()->currentText(), QString("Surveyed"));
        emit box->choice()->activated(0);
        QCOMPARE(m_window->model().campaign.reveal.state(StarTable::kSol), Reveal::Hidden);
        QCOMPARE(box->choice()->currentText(), QString("Hidden"));
        QCOMPARE(undoText(), QString("Undo Set Reveal State"));
        undo();
        QCOMPARE(m_window->model().campaign.reveal.state(StarTable::kSol), Reveal::Surveyed);
        QCOMPARE(box->choice()->currentText(), QString("Surveyed"));
        m_window->model().view.selectedStar = -1;
        m_window->refreshMap();
        QVERIFY(!box->isEnabled());
    }

    // The star menu: the star's name, the reveal section with its state checked, then each
    // section other features add, apart.
    void starMenuHoldsEverySection()
    {
        m_window->model().campaign.reveal.setState(12, Reveal::Known);
        reveal().starMenu().addSection([](QMenu &menu, int star) { menu.addAction(QString("Claim %1").arg(star)); });
        const std::unique_ptr<QMenu> menu = reveal().starMenu().build(12, nullptr);
        QCOMPARE(captions(*menu),
            QStringList({ m_window->table()[12].starName, "Hidden", "Known*", "Surveyed", "All Within…", "-", "Polity",
                "Polities…", "-", "Claim 12" }));
        menu->actions()[1]->trigger();
        QCOMPARE(m_window->model().campaign.reveal.state(12), Reveal::Hidden);
        QCOMPARE(undoText(), QString("Undo Set Reveal State"));
    }

    // View as Player: the banner, no marker of a Hidden star, the shown model without it; the
    // player window shows the same whatever the main window shows.
    void viewAsPlayerAndPlayerWindow()
    {
        MapModel &model = m_window->model();
        const std::vector<HitArea> markers = m_window->canvas()->markers();
        QVERIFY(markers.size() > 2);
        const int hidden = markers[0].star == StarTable::kSol ? markers[1].star : markers[0].star;
        model.notes.setNotes(hidden, "gm secret", "player secret");
        model.notes.setNotes(StarTable::kSol, "gm sol", "player sol");
        model.campaign.reveal.setState(hidden, Reveal::Hidden);
        m_window->refreshMap();
        QVERIFY(hasMarker(*m_window->canvas(), hidden));

        reveal().openPlayerWindow();
        PlayerWindow *players = reveal().playerWindow();
        QCOMPARE(players->players()->stars().size(), model.stars->size() - 1);
        QVERIFY(players->players()->toPlayer(hidden) < 0);

        reveal().viewAsPlayerAction()->trigger();
        QVERIFY(m_window->viewAsPlayer());
        QVERIFY(!reveal().banner()->isHidden());
        QVERIFY(!hasMarker(*m_window->canvas(), hidden));
        QVERIFY(hasMarker(*m_window->canvas(), StarTable::kSol)); // catalogue numbers on the map's markers
        QCOMPARE(m_window->shownModel()->stars->size(), model.stars->size() - 1);

        // The player window follows the selection.
        model.view.selectedStar = 12;
        m_window->refreshMap();
        QCOMPARE(players->players()->toCatalogue(players->players()->model().view.selectedStar), 12);

        m_window->menu().copyPlayerNotesAction->trigger();
        QVERIFY(m_services->copied.contains("player sol"));
        QVERIFY(!m_services->copied.contains("secret"));

        reveal().viewAsPlayerAction()->trigger();
        QVERIFY(reveal().banner()->isHidden());
        QVERIFY(hasMarker(*m_window->canvas(), hidden));
        QCOMPARE(m_window->shownModel()->stars->size(), model.stars->size());
    }

    // The player map leaves a Known star's player notes out; its layout keeps every star.
    void playerMapFollowsStates()
    {
        MapModel &model = m_window->model();
        model.notes.setNotes(3, "gm three", "player three");
        model.notes.setNotes(4, "gm four", "player four");
        model.campaign.reveal.setState(3, Reveal::Known);
        m_services->answer = m_dir.filePath("players.ply");
        m_window->menu().savePlayerAction->trigger();
        const QByteArray bytes = contents(m_services->answer);
        QVERIFY(bytes.contains("player four"));
        QVERIFY(!bytes.contains("three"));
        QCOMPARE(int(bytes.count(QByteArrayView("\n"))), 5 + model.stars->size());
    }

    // Each change in the Polities window is one named undo step that undo takes back, and the window follows.
    void politiesEditsAreNamedUndoSteps()
    {
        QVERIFY(openPolities());
        click("newpolity");
        QCOMPARE(polities().list.size(), size_t(1));
        QCOMPARE(polities().list[0].name, QStringLiteral("Polity 1"));
        QCOMPARE(undoText(), QStringLiteral("Undo New Polity"));
        QCOMPARE(m_polities->currentPolity(), 0);

        auto *name = child<QLineEdit>(m_polities, "polityname");
        name->setText(QStringLiteral("Concordat"));
        emit name->editingFinished();
        QCOMPARE(polities().list[0].name, QStringLiteral("Concordat"));
        QCOMPARE(undoText(), QStringLiteral("Undo Rename Polity"));

        child<QDoubleSpinBox>(m_polities, "claimradius")->setValue(7.5);
        QCOMPARE(polities().list[0].claimRadius, 7.5);
        child<QCheckBox>(m_polities, "polityknown")->setChecked(true);
        QVERIFY(polities().list[0].knownToPlayers);
        QCOMPARE(undoText(), QStringLiteral("Undo Mark Polity Known"));

        m_polities->setColourChooser([](const QColor &) { return QColor(0x12, 0x34, 0x56); });
        click("politycolour");
        QCOMPARE(polities().list[0].colour, quint32(0x123456));
        m_polities->setColourChooser([](const QColor &) { return QColor(); }); // cancelled
        click("politycolour");
        QCOMPARE(undoText(), QStringLiteral("Undo Recolour Polity"));

        // Undo takes each step back in turn and the window follows.
        undo();
        QCOMPARE(polities().list[0].colour, quint32(0x3366CC)); // the colour the first new polity takes
        undo();
        undo();
        QCOMPARE(polities().list[0].claimRadius, Polity::kDefaultClaimRadius);
        QCOMPARE(child<QDoubleSpinBox>(m_polities, "claimradius")->value(), Polity::kDefaultClaimRadius);
        undo();
        QCOMPARE(child<QLineEdit>(m_polities, "polityname")->text(), QStringLiteral("Polity 1"));
        undo();
        QVERIFY(polities().list.empty());
        QCOMPARE(m_polities->currentPolity(), int(Polities::kNone));
    }

    // A star belongs to one polity at most, and the Stellar Index names the selected star's polity.
    void politiesAssignStarsOnceAndTheIndexNamesThem()
    {
        QVERIFY(openPolities());
        click("newpolity");
        click("newpolity");
        const int sol = StarTable::kSol; // selected at start-up
        m_polities->setCurrentPolity(0);
        click("assignselected");
        QCOMPARE(polities().memberOf[size_t(sol)], 0);
        QCOMPARE(
            m_window->stellarIndex()->findChild<QLabel *>("politylabel")->text(), QStringLiteral("Polity: Polity 1"));
        // The stars within 5 ly go to the second polity, Sol with them: a star belongs to one at most.
        m_polities->setCurrentPolity(1);
        child<QDoubleSpinBox>(m_polities, "assignradius")->setValue(5.0);
        click("assignwithin");
        QCOMPARE(polities().memberOf[size_t(sol)], 1);
        QCOMPARE(std::count(polities().memberOf.begin(), polities().memberOf.end(), 0), 0L);
        QCOMPARE(std::count(polities().memberOf.begin(), polities().memberOf.end(), 1), 4L);
        QCOMPARE(undoText(), QStringLiteral("Undo Assign Stars to Polity"));
        click("releasestar");
        QCOMPARE(polities().memberOf[size_t(sol)], int(Polities::kNone));
        QVERIFY(m_window->stellarIndex()->findChild<QLabel *>("politylabel")->text().isEmpty());
        undo();
        undo();
        QCOMPARE(polities().memberOf[size_t(sol)], 0);
        // Deleting the first polity moves the second up; its stars stay with it.
        m_window->menu().redoAction->trigger();
        m_polities->setCurrentPolity(0);
        click("deletepolity");
        QCOMPARE(polities().list.size(), size_t(1));
        QCOMPARE(std::count(polities().memberOf.begin(), polities().memberOf.end(), 0), 4L);
        QCOMPARE(undoText(), QStringLiteral("Undo Delete Polity"));
    }

    // The right-click menu on a star moves it between polities as one undoable command.
    void starMenuAssignsThePolity()
    {
        QVERIFY(openPolities());
        click("newpolity");
        click("newpolity");
        const int star = 12;
        const auto choose = [&](const QString &caption) {
            const std::unique_ptr<QMenu> menu = reveal().starMenu().build(star, nullptr);
            auto *section = menu->findChild<QMenu *>(QStringLiteral("politymenu"));
            QVERIFY(section);
            for (QAction *action : section->actions())
                if (action->text() == caption) {
                    action->trigger();
                    return;
                }
            QFAIL(qPrintable(caption + QStringLiteral(" is not in the polity menu")));
        };
        choose(QStringLiteral("Polity 2"));
        QCOMPARE(polities().memberOf[size_t(star)], 1);
        QCOMPARE(undoText(), QStringLiteral("Undo Assign Star to Polity"));
        const std::unique_ptr<QMenu> menu = reveal().starMenu().build(star, nullptr);
        const QList<QAction *> entries = menu->findChild<QMenu *>(QStringLiteral("politymenu"))->actions();
        QVERIFY(entries[1]->isChecked() && !entries[0]->isChecked());
        choose(QStringLiteral("None"));
        QCOMPARE(polities().memberOf[size_t(star)], int(Polities::kNone));
        undo();
        QCOMPARE(polities().memberOf[size_t(star)], 1);
    }

private:
    template <typename T = QAbstractButton>
    static T *child(QObject *parent, const QString &name)
    {
        T *found = parent->findChild<T *>(name);
        if (!found)
            qFatal("no child %s", qPrintable(name));
        return found;
    }
    QAction *action(const char *name) const { return child<QAction>(m_window, name); }
    RevealWiring &reveal() const { return revealWiring(m_window->workspace()); }
    bool openPolities()
    {
        m_window->menu().politiesAction->trigger();
        m_polities = &politiesWindow(m_window->workspace());
        return m_polities->isVisible();
    }
    Polities &polities() { return m_window->model().campaign.polities; }
    QString undoText() const { return m_window->menu().undoAction->text(); }
    void click(const char *name) { QTest::mouseClick(child(m_polities, name), Qt::LeftButton); }
    void undo() { m_window->menu().undoAction->trigger(); }

    QTemporaryDir m_dir;
    std::unique_ptr<MainWindowFixture> m_fixture;
    MainWindow *m_window = nullptr;
    ScriptedServices *m_services = nullptr;
    PolitiesWindow *m_polities = nullptr;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
