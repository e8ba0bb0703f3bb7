#include "index/notespanel.h"
#include "index/stellarindexwindow.h"
#include "notes/notesstore.h"
#include "notesearch/notessearch.h"
#include "notesearch/notessearchpanel.h"
#include "support/mainwindowfixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QtTest>

namespace {

// Each match as "star GM|Player: matched text | line with the match in [brackets]".
QStringList describe(const NotesStore &notes, const std::vector<NotesMatch> &matches)
{
    QStringList out;
    for (const NotesMatch &m : matches) {
        const bool gm = m.part == NotesPart::GameMaster;
        const QString &text = gm ? notes.gameMasterText(m.star) : notes.playerText(m.star);
        QString line = m.line;
        line.insert(m.lineStart + m.length, u']').insert(m.lineStart, u'[');
        out << QStringLiteral("%1 %2: %3 | %4")
                   .arg(m.star)
                   .arg(gm ? "GM" : "Player", text.mid(m.start, m.length), line);
    }
    return out;
}

NotesStore sampleNotes()
{
    NotesStore notes(6);
    notes.setNotes(0, "Pirate base on the CAFÉ moon", "Rumours of a spaceport");
    notes.setNotes(1, "supply depot", "Café du Port\r\nA pirate captain drinks here");
    // The file separator's own character, U+00FF, right beside the text of both parts.
    notes.setNotes(2, "abcÿ", "ÿdef");
    notes.setNotes(3, QString::fromUtf8("cafe\u0301 \uFB01re"), "");
    notes.setTextWithoutParts(4, "old pirate log");
    notes.setNotes(5, "", QString(200, u'x') + "needle" + QString(200, u'y'));
    return notes;
}

} // namespace

class TestNotesSearch : public QObject
{
    Q_OBJECT
private slots:
    void search_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("expected");
        const QString x60(60, u'x'), y60(60, u'y');
        QTest::newRow("case") << "PIRATE"
                              << QStringList { "0 GM: Pirate | [Pirate] base on the CAFÉ moon",
                                     "1 Player: pirate | A [pirate] captain drinks here",
                                     "4 GM: pirate | old [pirate] log" };
        QTest::newRow("accents both ways")
            << "cafe"
            << QStringList { "0 GM: CAFÉ | Pirate base on the [CAFÉ] moon", "1 Player: Café | [Café] du Port",
                   QString::fromUtf8("3 GM: cafe\u0301 | [cafe\u0301] \uFB01re") };
        QTest::newRow("accented query") << "CAFÉ MOON"
                                        << QStringList { "0 GM: CAFÉ moon | Pirate base on the [CAFÉ moon]" };
        QTest::newRow("part of a word") << "port"
                                        << QStringList { "0 Player: port | Rumours of a space[port]",
                                               "1 Player: Port | Café du [Port]" };
        QTest::newRow("GM only") << "depot" << QStringList { "1 GM: depot | supply [depot]" };
        QTest::newRow("player only") << "rumours" << QStringList { "0 Player: Rumours | [Rumours] of a spaceport" };
        QTest::newRow("beside U+00FF") << "cy" << QStringList { "2 GM: cÿ | ab[cÿ]" };
        QTest::newRow("U+00FF as y") << "ydef" << QStringList { "2 Player: ÿdef | [ÿdef]" };
        QTest::newRow("never across the parts") << "cyyd" << QStringList {};
        QTest::newRow("inside a ligature")
            << "ir"
            << QStringList { QString::fromUtf8("3 GM: \uFB01r | cafe\u0301 [\uFB01r]e"), "4 GM: ir | old p[ir]ate log",
                   "0 GM: ir | P[ir]ate base on the CAFÉ moon", "1 Player: ir | A p[ir]ate captain drinks here" };
        QTest::newRow("long line cut around")
            << "needle" << QStringList { "5 Player: needle | …" + x60 + "[needle]" + y60 + "…" };
        QTest::newRow("empty") << "" << QStringList {};
    }
    void search()
    {
        QFETCH(QString, query);
        QFETCH(QStringList, expected);
        const NotesStore notes = sampleNotes();
        NotesSearch search(notes);
        QStringList found = describe(notes, search.find(query));
        // Rows come by star, the GM text first; compare as sets where a test lists them otherwise.
        found.sort();
        expected.sort();
        QCOMPARE(found, expected);
    }

    // Typing narrows the last results; a change to the notes between two keys is still found.
    void typingFollowsChanges()
    {
        NotesStore notes = sampleNotes();
        NotesSearch search(notes);
        QCOMPARE(search.find("pi").size(), size_t(3));
        QCOMPARE(search.find("pir").size(), size_t(3));
        notes.setNotes(5, "", "pirates everywhere");
        QStringList found = describe(notes, search.find("pira"));
        QVERIFY2(found.contains("5 Player: pira | [pira]tes everywhere"), qPrintable(found.join('\n')));
        QCOMPARE(search.find("piratE").size(), size_t(4));
        QCOMPARE(search.find("pirate c").size(), size_t(1));
        QCOMPARE(search.find("pirates").size(), size_t(1));
    }

    // Enter selects the star as a click on its marker does; Ctrl+Enter opens the Stellar Index on it
    // with the match selected in its box.
    void chooseFromTheList()
    {
        MainWindowFixture fixture;
        MainWindow &window = *fixture;
        window.model().notes.setNotes(7, "Line one\r\nsecond line\r\nthe pirate base", "nothing");
        window.model().notes.setNotes(9, "", "PIRATES seen");
        window.show();
        window.menu().findNotesAction->trigger();
        auto *panel = window.findChild<NotesSearchPanel *>();
        QVERIFY(panel && panel->isVisible());
        QTest::keyClicks(panel->field(), "pirat");
        QCOMPARE(panel->results()->topLevelItemCount(), 2);
        QCOMPARE(panel->results()->topLevelItem(1)->text(1), QStringLiteral("Player"));
        const auto *status = panel->findChild<QLabel *>("findnotesstatus");
        QCOMPARE(status->text(), QStringLiteral("2 notes match"));
        QTest::keyClicks(panel->field(), "q");
        QCOMPARE(status->text(), QStringLiteral("No notes match"));
        QTest::keyClick(panel->field(), Qt::Key_Backspace);
        QTest::keyClick(panel->field(), Qt::Key_Down);
        QTest::keyClick(panel->field(), Qt::Key_Return);
        const StarRecord &star9 = window.table()[9];
        const ViewState &view = window.model().view;
        QCOMPARE(
            QList<int>({ view.selectedStar, view.originX, view.originY }), QList<int>({ 9, star9.x - 7, star9.y - 7 }));
        // The list keeps its row after Enter redrew the map, so the next Down goes on from there.
        const auto row = [panel] { return panel->results()->indexOfTopLevelItem(panel->results()->currentItem()); };
        QCOMPARE(row(), 1);

        QTest::keyClick(panel->field(), Qt::Key_Up);
        QTest::keyClick(panel->field(), Qt::Key_Return, Qt::ControlModifier);
        StellarIndexWindow *index = window.stellarIndex();
        QVERIFY(index->isVisible());
        QCOMPARE(view.selectedStar, 7);
        QCOMPARE(index->notes()->gameMasterNotes()->textCursor().selectedText(), QStringLiteral("pirat"));
        QCOMPARE(index->notes()->gameMasterNotes()->textCursor().selectionStart(), 25);
        QCOMPARE(row(), 0);
        QTest::keyClick(panel->field(), Qt::Key_Down);
        QTest::keyClick(panel->field(), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(view.selectedStar, 9);
        QCOMPARE(row(), 1);
    }
};

QTEST_MAIN(TestNotesSearch)
#include "tst_notesearch.moc"
