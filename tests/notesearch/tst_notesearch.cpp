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
    // Each query against the sample notes; the rows come by star, the GM text first, and are compared as sets.
    void search()
    {
        const NotesStore notes = sampleNotes();
        const QString x60(60, u'x'), y60(60, u'y');
        const std::pair<const char *, QStringList> queries[] = {
            { "PIRATE",
                { "0 GM: Pirate | [Pirate] base on the CAFÉ moon", "1 Player: pirate | A [pirate] captain drinks here",
                    "4 GM: pirate | old [pirate] log" } },
            { "cafe", // accents both ways
                { "0 GM: CAFÉ | Pirate base on the [CAFÉ] moon", "1 Player: Café | [Café] du Port",
                    QString::fromUtf8("3 GM: cafe\u0301 | [cafe\u0301] \uFB01re") } },
            { "CAFÉ MOON", { "0 GM: CAFÉ moon | Pirate base on the [CAFÉ moon]" } },
            { "port", // part of a word
                { "0 Player: port | Rumours of a space[port]", "1 Player: Port | Café du [Port]" } },
            { "depot", { "1 GM: depot | supply [depot]" } }, // GM part only
            { "rumours", { "0 Player: Rumours | [Rumours] of a spaceport" } }, // player part only
            { "cy", { "2 GM: cÿ | ab[cÿ]" } }, // beside U+00FF
            { "ydef", { "2 Player: ÿdef | [ÿdef]" } }, // U+00FF as y
            { "cyyd", {} }, // never across the parts
            { "ir", // inside a ligature
                { QString::fromUtf8("3 GM: \uFB01r | cafe\u0301 [\uFB01r]e"), "4 GM: ir | old p[ir]ate log",
                    "0 GM: ir | P[ir]ate base on the CAFÉ moon", "1 Player: ir | A p[ir]ate captain drinks here" } },
            { "needle", { "5 Player: needle | …" + x60 + "[needle]" + y60 + "…" } }, // a long line cut around it
            { "", {} }
        };
        for (auto [query, expected] : queries) {
            QStringList found = describe(notes, NotesSearch(notes).find(query));
            found.sort();
            expected.sort();
            QVERIFY2(found == expected, qPrintable(QStringLiteral("\"%1\": ").arg(query) + found.join(", ")));
        }
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
