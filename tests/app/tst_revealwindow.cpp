#include "app/mapcanvas.h"
#include "app/playerwindow.h"
#include "app/revealwiring.h"
#include "index/revealbox.h"
#include "index/stellarindexwindow.h"
#include "reveal/playercopy.h"
#include "support/mainwindowfixture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
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

} // namespace

// Setting what the players know in the main window, View as Player and the player window.
class TestRevealWindow : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_fixture = std::make_unique<MainWindowFixture>();
        m_main = m_fixture->window();
        m_main->resize(1000, 720);
        m_main->refreshMap();
        m_reveal = &revealWiring(m_main->workspace());
    }
    void cleanup() { m_fixture.reset(); }

    // The Stellar Index box sets the selected star's state as one undoable step and shows it back.
    void indexBoxSetsStateAsOneStep()
    {
        RevealBox *box = m_main->stellarIndex()->revealBox();
        QCOMPARE(box->choice()->currentText(), QString("Surveyed"));
        emit box->choice()->activated(0);
        QCOMPARE(m_main->model().campaign.reveal.state(StarTable::kSol), Reveal::Hidden);
        QCOMPARE(box->choice()->currentText(), QString("Hidden"));
        QCOMPARE(m_main->menu().undoAction->text(), QString("Undo Set Reveal State"));
        m_main->menu().undoAction->trigger();
        QCOMPARE(m_main->model().campaign.reveal.state(StarTable::kSol), Reveal::Surveyed);
        QCOMPARE(box->choice()->currentText(), QString("Surveyed"));
        m_main->model().view.selectedStar = -1;
        m_main->refreshMap();
        QVERIFY(!box->isEnabled());
    }

    // The star menu: the star's name, the reveal section with its state checked, then each
    // section other features add, apart.
    void starMenuHoldsEverySection()
    {
        m_main->model().campaign.reveal.setState(12, Reveal::Known);
        m_reveal->starMenu().addSection([](QMenu &menu, int star) { menu.addAction(QString("Claim %1").arg(star)); });
        const std::unique_ptr<QMenu> menu = m_reveal->starMenu().build(12, nullptr);
        QCOMPARE(captions(*menu),
            QStringList({ m_main->table()[12].starName, "Hidden", "Known*", "Surveyed", "All Within…", "-", "Polity",
                "Polities…", "-", "Claim 12" }));
        menu->actions()[1]->trigger();
        QCOMPARE(m_main->model().campaign.reveal.state(12), Reveal::Hidden);
        QCOMPARE(m_main->menu().undoAction->text(), QString("Undo Set Reveal State"));
    }

    // View as Player: the banner, no marker of a Hidden star, the shown model without it; the
    // player window shows the same whatever the main window shows.
    void viewAsPlayerAndPlayerWindow()
    {
        MapModel &model = m_main->model();
        const std::vector<HitArea> markers = m_main->canvas()->markers();
        QVERIFY(markers.size() > 2);
        const int hidden = markers[0].star == StarTable::kSol ? markers[1].star : markers[0].star;
        model.notes.setNotes(hidden, "gm secret", "player secret");
        model.notes.setNotes(StarTable::kSol, "gm sol", "player sol");
        model.campaign.reveal.setState(hidden, Reveal::Hidden);
        m_main->refreshMap();
        QVERIFY(hasMarker(*m_main->canvas(), hidden));

        m_reveal->openPlayerWindow();
        PlayerWindow *players = m_reveal->playerWindow();
        QCOMPARE(players->players()->stars().size(), model.stars->size() - 1);
        QVERIFY(players->players()->toPlayer(hidden) < 0);

        m_reveal->viewAsPlayerAction()->trigger();
        QVERIFY(m_main->viewAsPlayer());
        QVERIFY(!m_reveal->banner()->isHidden());
        QVERIFY(!hasMarker(*m_main->canvas(), hidden));
        QVERIFY(hasMarker(*m_main->canvas(), StarTable::kSol)); // catalogue numbers on the map's markers
        QCOMPARE(m_main->shownModel()->stars->size(), model.stars->size() - 1);

        // The player window follows the selection.
        model.view.selectedStar = 12;
        m_main->refreshMap();
        QCOMPARE(players->players()->toCatalogue(players->players()->model().view.selectedStar), 12);

        m_main->menu().copyPlayerNotesAction->trigger();
        QVERIFY(m_fixture->services.copied.contains("player sol"));
        QVERIFY(!m_fixture->services.copied.contains("secret"));

        m_reveal->viewAsPlayerAction()->trigger();
        QVERIFY(m_reveal->banner()->isHidden());
        QVERIFY(hasMarker(*m_main->canvas(), hidden));
        QCOMPARE(m_main->shownModel()->stars->size(), model.stars->size());
    }

    // The player map leaves a Known star's player notes out; its layout keeps every star.
    void playerMapFollowsStates()
    {
        MapModel &model = m_main->model();
        model.notes.setNotes(3, "gm three", "player three");
        model.notes.setNotes(4, "gm four", "player four");
        model.campaign.reveal.setState(3, Reveal::Known);
        QTemporaryDir dir;
        m_fixture->services.answer = dir.filePath("players.ply");
        m_main->menu().savePlayerAction->trigger();
        const QByteArray bytes = contents(m_fixture->services.answer);
        QVERIFY(bytes.contains("player four"));
        QVERIFY(!bytes.contains("three"));
        QCOMPARE(int(bytes.count(QByteArrayView("\n"))), 5 + model.stars->size());
    }

private:
    std::unique_ptr<MainWindowFixture> m_fixture;
    MainWindow *m_main = nullptr;
    RevealWiring *m_reveal = nullptr;
};

QTEST_MAIN(TestRevealWindow)
#include "tst_revealwindow.moc"
