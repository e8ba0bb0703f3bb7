#include "app/editwiring.h"
#include "catalogue/startable.h"
#include "files/statecodec.h"
#include "index/notespanel.h"
#include "index/stellarindexwindow.h"
#include "support/mainwindowfixture.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// Edit ▸ Undo and Redo over the commands that change notes, and the notes boxes' own undo.
class TestUndo : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_fixture = std::make_unique<MainWindowFixture>();
        m_main = m_fixture->window();
        m_services = &m_fixture->services;
        m_index = m_main->stellarIndex();
        m_main->showStellarIndex();
        QVERIFY(QTest::qWaitForWindowExposed(m_index));
    }
    void cleanup()
    {
        m_index->hide();
        m_fixture.reset();
    }

    // Every kind of note the store keeps (quotes, the separator's look-alike, further pieces, a text
    // without parts from an old file) comes back exactly, and redo loads the player map again.
    void undoLoadPlayerMapRestoresEveryNote()
    {
        NotesStore &notes = m_main->model().notes;
        for (int i = 0; i < notes.size(); i += 3)
            notes.setNotes(i, QStringLiteral("GM %1 \"secret\" \u00FF caf\u00E9\r\nline").arg(i),
                QStringLiteral("player %1").arg(i), i % 2 ? QStringList { "kept" } : QStringList {});
        notes.setTextWithoutParts(1, QStringLiteral("old file text"));
        const NotesStore before = notes;
        const QByteArray beforeBytes = encodeState(m_main->model().view, notes, false);
        QTemporaryDir dir;
        m_services->answer = dir.filePath("players.ply");
        m_main->menu().savePlayerAction->trigger();
        m_main->menu().loadPlayerAction->trigger();
        QVERIFY(notes.gameMasterText(3).isEmpty() && !notes.hasNotes(1));
        QCOMPARE(m_main->menu().undoAction->text(), QStringLiteral("Undo Load Player Map"));

        m_main->menu().undoAction->trigger();
        QVERIFY(notes == before);
        QCOMPARE(encodeState(m_main->model().view, notes, false), beforeBytes);
        QCOMPARE(m_main->menu().redoAction->text(), QStringLiteral("Redo Load Player Map"));
        QVERIFY(!m_main->menu().undoAction->isEnabled());
        m_main->menu().redoAction->trigger();
        QVERIFY(notes.gameMasterText(3).isEmpty() && notes.playerText(3) == "player 3");
    }

    void commandsAreUndoneByName_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("save notes") << "Save System Notes";
        QTest::newRow("generate") << "Generate System";
        QTest::newRow("load game state") << "Load Game State";
    }

    // The menu names the command; undo brings back the notes, the boxes (and they show the selected
    // star's notes after a load), and a redraw shows it.
    void commandsAreUndoneByName()
    {
        QFETCH(QString, command);
        QTemporaryDir dir;
        m_services->answer = dir.filePath("game.kmf");
        m_main->model().notes.setNotes(40, "loaded GM", "loaded player");
        m_main->model().view.selectedStar = 40;
        m_main->menu().saveStateAction->trigger();
        m_main->model().view.selectedStar = StarTable::kSol;
        m_main->model().notes.setNotes(40, "", "");
        m_index->indexEntryPressed(165, 1);
        m_index->notes()->gameMasterNotes()->setPlainText("typed");
        const EditState before = editWiring(m_main->workspace()).capture();
        const QString button = command == "Save System Notes" ? "savenotes" : "generate";
        if (command == "Load Game State")
            m_main->menu().loadStateAction->trigger();
        else
            QTest::mouseClick(m_index->findChild<QPushButton *>(button), Qt::LeftButton);
        if (command == "Load Game State")
            QCOMPARE(m_index->notes()->boxes(), (NotesBoxes { "loaded GM", "loaded player" }));
        QVERIFY(EditState::differingParts(before, editWiring(m_main->workspace()).capture()) != 0);
        QCOMPARE(m_main->menu().undoAction->text(), "Undo " + command);

        const int redraws = m_main->redrawCount();
        m_main->menu().undoAction->trigger();
        // Undoing a save changes the selected star's notes, which the boxes then show.
        const EditState after = editWiring(m_main->workspace()).capture();
        QCOMPARE(EditState::differingParts(before, after), command == "Save System Notes" ? EditState::Boxes : 0);
        if (command == "Save System Notes")
            QCOMPARE(after.boxes, boxesForStar(after.notes, 165));
        QCOMPARE(m_main->redrawCount(), redraws + 1);
    }

    // Undo sets back only what the command changed: a scroll and a new jump limit since then stay.
    void undoLeavesLaterChangesAlone()
    {
        m_index->indexEntryPressed(12, 1);
        m_index->notes()->playerNotes()->setPlainText("saved");
        m_index->notes()->saveSystemNotes();
        MapModel &model = m_main->model();
        const EditState saved = editWiring(m_main->workspace()).capture();
        model.view.originX += 1;
        model.campaign.travel.jumpLimit = 9.5;
        m_main->menu().undoAction->trigger();
        QVERIFY(!model.notes.hasNotes(12));
        QCOMPARE(model.view.originX, saved.place.originX + 1);
        QCOMPARE(model.campaign.travel.jumpLimit, 9.5);
        m_main->menu().redoAction->trigger();
        QCOMPARE(model.notes.playerText(12), QStringLiteral("saved"));
    }

    void replacedTypingComesBackWithCtrlZ_data()
    {
        QTest::addColumn<QString>("replacedBy");
        QTest::newRow("click") << "click";
        QTest::newRow("load") << "load";
        QTest::newRow("generate") << "generate";
    }

    void replacedTypingComesBackWithCtrlZ()
    {
        QFETCH(QString, replacedBy);
        QTemporaryDir dir;
        m_services->answer = dir.filePath("game.kmf");
        m_main->model().notes.setNotes(12, "Tarn's notes", "");
        m_main->menu().saveStateAction->trigger();
        m_index->indexEntryPressed(165, 1);
        QPlainTextEdit *box = m_index->notes()->gameMasterNotes();
        box->setFocus();
        QTest::keyClicks(box, "not yet saved");
        if (replacedBy == "click")
            m_index->indexEntryPressed(12, 1);
        else if (replacedBy == "load")
            m_main->menu().loadStateAction->trigger();
        else
            m_index->notes()->generateSystem();
        QVERIFY(!box->toPlainText().contains("not yet saved"));
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box->toPlainText(), QStringLiteral("not yet saved"));
    }

    void tabTypesATab()
    {
        QPlainTextEdit *gameMaster = m_index->notes()->gameMasterNotes();
        gameMaster->setFocus();
        QTest::keyClicks(gameMaster, "a");
        QTest::keyClick(gameMaster, Qt::Key_Tab);
        QTest::keyClicks(gameMaster, "b");
        QCOMPARE(gameMaster->toPlainText(), QStringLiteral("a\tb"));
        QVERIFY(gameMaster->hasFocus());
        QTest::keyClick(gameMaster, Qt::Key_Tab, Qt::ControlModifier);
        QVERIFY(m_index->notes()->playerNotes()->hasFocus());
        QVERIFY(m_index->notes()->playerNotes()->toPlainText().isEmpty());
        QTest::keyClick(m_index->notes()->playerNotes(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(gameMaster->hasFocus());
    }

private:
    std::unique_ptr<MainWindowFixture> m_fixture;
    MainWindow *m_main = nullptr;
    ScriptedServices *m_services = nullptr;
    StellarIndexWindow *m_index = nullptr;
};

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
