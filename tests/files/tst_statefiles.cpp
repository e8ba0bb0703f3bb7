#include "files/recentfiles.h"
#include "files/scriptedui.h"
#include "files/statecheck.h"
#include "files/statecodec.h"
#include "files/statefilecommands.h"
#include "mapview/mapmodel.h"
#include "mapview/redraw.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

constexpr int kStars = 192;
// Star 5's notes before each command: a typed U+00FF in the game-master text.
const QString kGm = QStringLiteral("L'Ha\u00FFe-les-Roses"), kPlayer = "Landed here";
const QByteArray kEmptyLine = "\"\"\r\n";

} // namespace

class TestStateFiles : public QObject
{
    Q_OBJECT
private:
    StarTable m_table = StarTable::fromCatalogue();
    QTemporaryDir m_dir;
private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.filePath("settings"));
    }

    // Star 7's line under a header whose origin tells Y from X (the start-up file is in the commands'
    // rows); what a player map leaves out is checked by the round trips below.
    void entryLine()
    {
        // gm, player (null: a text without parts), the line. A typed U+00FF is C3 BF (octal 303 277),
        // the separator a lone FF.
        const std::tuple<QString, QString, QByteArray> rows[]
            = { { "", "pl", "\"\xFFpl\"" }, { "a,b \"hi\"\r\nc", "\"", "\"a,b \"\"hi\"\"\r\nc\xFF\"\"\"" },
                  { kGm, "\u00FF", "\"L'Ha\303\277e-les-Roses\377\303\277\"" }, { "Secret", QString(), "\"Secret\"" } };
        for (const auto &[gm, player, line] : rows) {
            NotesStore store(kStars);
            ViewState view;
            view.originY = 11;
            view.originX = -35;
            if (player.isNull())
                store.setTextWithoutParts(7, gm);
            else
                store.setNotes(7, gm, player);
            QCOMPARE(encodeState(view, store, false),
                "165\r\n0\r\n11\r\n-35\r\n0\r\n" + kEmptyLine.repeated(7) + line + "\r\n" + kEmptyLine.repeated(184));
        }
        // Each kind of character at each place of an eight-character run, a lone surrogate too, comes out as
        // the text's own UTF-8 with its quotes doubled.
        const QString kinds = QString::fromUtf16(u"\"a\u00E9\u20AC\U0001F600") + QChar(0xD800) + u'b';
        for (int lead = 0; lead < 17; ++lead) {
            const QString gm
                = QString(lead, u'x') + kinds + QString(lead, u'"') + QChar(0xD83D); // a high surrogate last
            NotesStore store(kStars);
            store.setTextWithoutParts(7, gm);
            // Stateless, as a save writes it: U+FFFD for each lone surrogate, the last one too.
            QByteArray utf8 = QStringEncoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless).encode(gm);
            const QByteArray expected = "\r\n\"" + utf8.replace("\"", "\"\"") + "\"\r\n";
            QVERIFY2(encodeState(ViewState(), store, false).contains(expected), qPrintable(QString::number(lead)));
        }
    }

    // Random notes of quotes, line breaks, U+00FF, a byte-order mark and other characters: every game
    // file reads back unchanged (lines after the entries are ignored), and a player map reads back
    // with every player text and no game-master text.
    void randomNotes()
    {
        const QStringList any
            = QString::fromUtf16(u"a| |\"|,|\r|\n|\u00FF|\uFEFF|\u00E9|\u20AC|\u0416|\U0001F600").split('|');
        QRandomGenerator random(7);
        const auto text = [&random, &any] {
            QString chosen;
            for (int n = random.bounded(12); n > 0; --n)
                chosen += any.at(random.bounded(int(any.size())));
            return chosen;
        };
        for (int round = 0; round < 30; ++round) {
            NotesStore notes(kStars), read(kStars);
            for (int i = 0; i < kStars; ++i) {
                if (random.bounded(4))
                    notes.setNotes(i, text(), text(), random.bounded(8) ? QStringList() : QStringList { text() });
                else
                    notes.setTextWithoutParts(i, text());
            }
            ViewState view;
            if (round == 0) { // a file of several megabytes goes to the disk in more than one piece
                notes.setNotes(
                    3, QStringLiteral("\"Ab, \u00FF\r\n").repeated(200000), QStringLiteral("x\"").repeated(300000));
                const QString name = m_dir.filePath(QStringLiteral("large.kmf"));
                QVERIFY(saveStateFile(name, view, notes, false) && loadStateFile(name, view, read));
                QVERIFY(read == notes);
                QCOMPARE(QFileInfo(name).size(), encodeState(view, notes, false).size());
            }
            const QByteArray written = encodeState(view, notes, false);
            QVERIFY(!checkState(written, kStars) && !checkState(encodeState(view, notes, true), kStars));
            QVERIFY(decodeState(written + "\"extra\"\r\n", view, read));
            QVERIFY(read == notes);
            NotesStore players(kStars), expected(kStars);
            for (int i = 0; i < kStars; ++i)
                if (notes.hasParts(i))
                    expected.setNotes(i, {}, notes.playerText(i));
            QVERIFY(decodeState(encodeState(view, notes, true), view, players));
            QVERIFY(players == expected);
        }
    }

    // File ▸ Recent Files: the eight last, newest first, each once.
    void recentFiles()
    {
        for (int i = 0; i < 10; ++i)
            recentfiles::add(m_dir.filePath(QString::number(i % 9) + ".kmf"));
        QStringList expected;
        for (int i : { 0, 8, 7, 6, 5, 4, 3, 2 })
            expected << m_dir.filePath(QString::number(i) + ".kmf");
        QCOMPARE(recentfiles::list(), expected);
    }

    void commands_data()
    {
        QTest::addColumn<int>("command"); // sfile, fload, splayer, lplayer
        QTest::addColumn<QByteArray>("before"); // the chosen file, empty when there is none
        QTest::addColumn<QByteArray>("after"); // the file afterwards, empty when unchanged
        // selectedStar secondStar originY originX colourCode|notes of stars 0, 1, 5|redraws
        QTest::addColumn<QString>("state");

        const QByteArray head = "165\r\n0\r\n-7\r\n-7\r\n0\r\n" + kEmptyLine.repeated(5);
        const QString hot = kGm + '#' + kPlayer;
        const QString start = "165 0 -7 -7 0|||" + hot + "|0";
        // Origin X 40 and colour code 2: the redraw clamps the one and takes the other from Display Options.
        const QByteArray load = "3\r\n9\r\n-40\r\n40\r\n2\r\n\"Landed\"\r\n" + kEmptyLine.repeated(191);
        // A piece between separators that is not valid UTF-8 is read as Windows-1252.
        const QByteArray cp1252
            = "3\r\n1\r\n0\r\n0\r\n0\r\n\"Caf\xE9 \x80\xFFna\xEFve\"\r\n\"\xC3\xA9t\xE9\xFF\xC3\xA9t\"\r\n";
        const QByteArray hotLine = "\"" + kGm.toUtf8() + "\xFFLanded here\"\r\n";
        const QByteArray game = head + hotLine + kEmptyLine.repeated(186);
        QTest::newRow("save player map") << 2 << QByteArray()
                                         << head + "\"\xFFLanded here\"\r\n" + kEmptyLine.repeated(186) << start;
        QTest::newRow("overwrite") << 0 << QByteArray("old") << game << start;
        QTest::newRow("overwrite declined") << 2 << QByteArray("old") << QByteArray() << start;
        QTest::newRow("load") << 1 << load << QByteArray() << "3 9 -35 20 0|Landed|||1";
        QTest::newRow("load typed y diaeresis, second separator") << 3
                                                                  << "3\r\n9\r\n0\r\n0\r\n0\r\n" + hotLine.chopped(3)
                + "\xFFmore\"\r\n\"\xFF\"\r\n" + kEmptyLine.repeated(190)
                                                                  << QByteArray() << "3 9 0 0 0|" + hot + "|#||1";
        // Header numbers are decimal whatever their leading zeros, fractions round halves to even;
        // blanks before a field are skipped and an unquoted field loses its blanks.
        QTest::newRow("load leading zeros, fractions, blanks")
            << 3 << "010\r\n1e1\r\n-2.5\r\n7.5\r\n0\r\n\t \"Tab\"\r\n  un quoted \t\r\n" + kEmptyLine.repeated(190)
            << QByteArray() << "10 10 -2 8 0|Tab|un quoted||1";
        QTest::newRow("load missing file") << 3 << QByteArray() << QByteArray() << start;
        QTest::newRow("load indices out of range")
            << 1 << "192\r\n-2\r\n0\r\n0\r\n0\r\n" + kEmptyLine.repeated(192) << QByteArray() << "-1 -1 0 0 0||||1";
        QTest::newRow("load windows-1252")
            << 3 << cp1252 + kEmptyLine.repeated(190) << QByteArray() << "3 1 0 0 0|Café €#naïve|Ã©té#ét||1";
    }

    // Each command runs twice: cancelled, when it writes, asks and redraws nothing, then answered
    // with the row's file (and "No" to overwriting a player map).
    void commands()
    {
        QFETCH(int, command);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(QString, state);
        const std::function<void(StateFileCommands &)> run[]
            = { [](StateFileCommands &f) { f.saveGameState(); }, [](StateFileCommands &f) { f.loadGameState(); },
                  [](StateFileCommands &f) { f.savePlayerMap(); }, [](StateFileCommands &f) { f.loadPlayerMap(); } };
        QDir::setCurrent(m_dir.path()); // where a cancelled save would write its preset name
        MapModel model(m_table);
        model.logoBoxVisible = false;
        model.notes.setNotes(5, kGm, kPlayer);
        ScriptedUi ui;
        int redraws = 0;
        StateFileCommands files(model, ui, ui, [&] {
            ++redraws;
            beginRedraw(model);
        });
        run[command](files);
        QVERIFY(ui.failOnCancel && ui.shown.isEmpty() && redraws == 0 && !QFile::exists(ui.fileName));

        ui.answer = m_dir.filePath(QTest::currentDataTag());
        QCOMPARE(contents(ui.answer, before), before);
        ui.button = command == 2 ? MessageBox::Answer::No : MessageBox::Answer::Yes;
        run[command](files);
        // A load names what it did not take as the file holds it (the load notices' own test has the lines).
        const QString loaded = ui.answer + " is loaded. Some of what it holds was not taken as it stands:";
        const QMap<QString, QString> shown = { { "overwrite", "Overwrite existing file|Save File" },
            { "overwrite declined", "Overwrite existing file|Save File" }, { "load", loaded },
            { "load leading zeros, fractions, blanks", loaded },
            { "load missing file", "Could not load " + ui.answer + ": No such file or directory|Load Player Map|?" },
            { "load indices out of range", loaded }, { "load windows-1252", loaded } };
        QCOMPARE(ui.shown.join('/').section('\n', 0, 0), shown.value(QTest::currentDataTag()));
        QCOMPARE(contents(ui.answer), after.isEmpty() ? before : after);
        // Then each of stars 0, 1 and 5 as a row shows it: "gm#player", or the bare text without parts.
        const ViewState &v = model.view;
        QString got
            = QString::asprintf("%d %d %d %d %d|", v.selectedStar, v.secondStar, v.originY, v.originX, v.colourCode);
        for (int i : { 0, 1, 5 })
            got += model.notes.gameMasterText(i) + (model.notes.hasParts(i) ? '#' + model.notes.playerText(i) : "")
                + '|';
        QCOMPARE(got + QString::number(redraws), state);
    }
};

QTEST_GUILESS_MAIN(TestStateFiles)
#include "tst_statefiles.moc"
