#include "atlas/atlaswriter.h"
#include "catalogue/startable.h"
#include "common/filesizesignal.h"
#include "export/exportcommands.h"
#include "export/resolutionchooser.h"
#include "files/recentfiles.h"
#include "files/scriptedui.h"
#include "files/statecheck.h"
#include "files/statecodec.h"
#include "files/statefilecommands.h"
#include "history/editstate.h"
#include "mapview/mapmodel.h"
#include "mapview/redraw.h"
#include "recovery/recoveryfile.h"
#include "support/childprocess.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <functional>

#include <sys/stat.h>

namespace {

constexpr int kStars = 192;
// Star 5's notes before each command: a typed U+00FF in the game-master text.
const QString kGm = QStringLiteral("L'Ha\u00FFe-les-Roses"), kPlayer = "Landed here";
const QByteArray kEmptyLine = "\"\"\r\n";

// A game state with notes on every star ("gm7", separator, "pl7" for star 7; star 30's run over two
// lines, so star N > 30 is on line N + 7), selected star 3, second star 4, origin Y -9 and X 5.
QByteArray sample()
{
    QByteArray file = "3\r\n4\r\n-9\r\n5\r\n0\r\n";
    for (int i = 0; i < kStars; ++i)
        file += "\"gm" + QByteArray::number(i) + (i == 30 ? "\r\nsecond line" : "") + "\xFFpl" + QByteArray::number(i)
            + "\"\r\n";
    return file;
}

// The sample's bytes with line `line` (counted from 1) replaced.
QByteArray withLine(int line, const QByteArray &text)
{
    QList<QByteArray> lines = sample().split('\n');
    lines[line - 1] = text + '\r';
    return lines.join('\n');
}

} // namespace

// Game-state and player-map files: what is written, what is read back, the commands that write and read
// them, damaged files and failing saves.
class TestStateFiles : public QObject
{
    Q_OBJECT
private:
    StarTable m_table = StarTable::fromCatalogue();
    QTemporaryDir m_dir;

    // The text with each "@N" replaced by the name of star N.
    QString named(QString text) const
    {
        for (int star = kStars - 1; star >= 0; --star) // @191 before @19
            text.replace('@' + QString::number(star), m_table[star].starName.trimmed());
        return text;
    }

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
            { "load leading zeros, fractions, blanks", loaded }, { "load indices out of range", loaded },
            { "load windows-1252", loaded } };
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

    void load_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("problem"); // empty: the file loads whole
        QTest::addColumn<int>("readable"); // stars "Load what can be read" takes (-1: not offered)
        const QByteArray good = sample(), cut = good.left(good.indexOf("\"gm114"));
        const QString cutOff = "the file ends here (it may have been cut off)";
        const std::tuple<const char *, QByteArray, QString, int> rows[] = { { "whole", good, "", 0 },
            { "byte-order mark", "\xEF\xBB\xBF" + good, "", 0 },
            { "LF line ends, blanks around notes", QByteArray(good).replace("\"\r\n", "\" \t\n"), "", 0 },
            { "missing closing quote", withLine(27, "\"gm21\xFFpl21"), "Line 27, the notes of @21: no closing quote",
                21 },
            { "missing closing quote, last star", good.chopped(3), "Line 198, the notes of @191: no closing quote",
                191 },
            { "unquoted line with a comma", withLine(27, "gm21, pl21"),
                "Line 27, the notes of @21: a comma in notes without quotes", 21 },
            { "stray quote before star 50", withLine(57, "\"\"gm50\xFFpl50\""),
                "Line 57, the notes of @50: text after the closing quote", 50 },
            { "text after a two-line note",
                QByteArray(good).replace("second line\xFFpl30\"", "second \"line\xFFpl30\""),
                "Line 37, the notes of @30: text after the closing quote", 30 },
            { "two-line note not closed", QByteArray(good).replace("\xFFpl30\"", "\xFFpl30"),
                "Line 36, the notes of @30: no closing quote", 30 },
            { "cut off inside a line", cut + "\"gm11", "Line 121, the notes of @114: no closing quote", 114 },
            { "cut off after a line", cut, "Line 121, the notes of @114: " + cutOff, 114 },
            { "cut off after the header", "3\r\n4\r\n-9\r\n5\r\n0", "Line 5, the notes of @0: " + cutOff, 0 },
            { "header not a number", withLine(3, "minus nine"), "Line 3, the sector origin Y: not a whole number", -1 },
            { "empty file", "", "Line 1, the selected star: " + cutOff, -1 } };
        for (const auto &[tag, file, problem, readable] : rows)
            QTest::newRow(tag) << file << problem << readable;
    }

    // A damaged file changes nothing and says what and where; "Load what can be read", only when
    // chosen, takes the header and the notes before the fault and leaves every other star's.
    void load()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, problem);
        QFETCH(int, readable);
        problem = named(problem);
        const QString name = m_dir.filePath(QStringLiteral("damaged.kmf"));
        QFile out(name);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(file) == file.size());
        out.close();
        MapModel model(m_table);
        for (int i = 0; i < kStars; ++i)
            model.notes.setNotes(i, "old", QString());
        const NotesStore before = model.notes;
        ScriptedUi ui;
        ui.button = MessageBox::Answer::No;
        int redraws = 0;
        StateFileCommands files(model, ui, ui, [&redraws] { ++redraws; });

        QCOMPARE(files.readState(name), problem.isEmpty());
        if (!problem.isEmpty()) {
            QCOMPARE(redraws, 0);
            QVERIFY(model.notes == before);
            QCOMPARE(model.view.selectedStar, 165);
            const QString text = name + " was not loaded, nothing has changed.\n\n" + problem + '.';
            QCOMPARE(ui.shown.value(0).section('|', 0, 0).section('\n', 0, 2), text);
            if (readable < 0)
                return;
            ui.button = MessageBox::Answer::Yes;
            QVERIFY(files.readState(name));
        }
        QCOMPARE(ui.shown.size(), problem.isEmpty() ? 0 : 2); // asked again before the partial load
        QCOMPARE(model.view.originY, -9);
        QCOMPARE(model.view.selectedStar, 3);
        const int loaded = problem.isEmpty() ? kStars : readable;
        for (int i = 0; i < kStars; ++i) {
            const QString gm = i >= loaded ? "old" : "gm" + QString::number(i) + (i == 30 ? "\r\nsecond line" : "");
            QCOMPARE(model.notes.gameMasterText(i), gm);
        }
    }

    void oddValuesAreNamed_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("notices"); // the lines of the one message after the load
        const QString after = "Line 199, after the notes of the last star: ", outside = "is outside the map; ";
        const std::tuple<const char *, QByteArray, QStringList> rows[] = { { "plain file: no message", sample(), {} },
            { "selected star 999", withLine(1, "999"),
                { "Line 1, the selected star: 999 is not a star of the catalogue; no star is selected" } },
            { "second star -5", withLine(2, "-5"),
                { "Line 2, the second star: -5 is not a star of the catalogue; there is no second star" } },
            { "origin Y 1e9", withLine(3, "1e9"),
                { "Line 3, the sector origin Y: 1e9 " + outside + "the sector starts at 20" } },
            { "origin X 40.5, rounded and outside", withLine(4, "40.5"),
                { "Line 4, the sector origin X: 40.5 is not a whole number; it is read as 40",
                    "Line 4, the sector origin X: 40.5 " + outside + "the sector starts at 20" } },
            { "origin X 7.5", withLine(4, "7.5"),
                { "Line 4, the sector origin X: 7.5 is not a whole number; it is read as 8" } },
            { "colour code 99", withLine(5, "99"),
                { "Line 5, the colour code: 99 is not a colour code (0 to 3); the map keeps the colour code of "
                  "Display Options" } },
            { "no separator", withLine(9, "\"gm3 pl3\""),
                { "Line 9, the notes of @3: no separator between the game master's and the players' notes; the "
                  "boxes show them empty and the text is kept as it is" } },
            { "not UTF-8", withLine(60, "\"gm53 \xC3(\xFFpl53\""),
                { "Line 60, the notes of @53: the text is not UTF-8; it is read as Windows-1252" } },
            { "a 193rd note line", sample() + "\"gm192\xFFpl192\"\r\n", { after + "1 more line is not loaded" } },
            { "blank lines after the notes", sample() + "\r\n  \r\n", {} },
            { "twenty more lines", sample() + QByteArray("\"x\"\r\n").repeated(20),
                { after + "20 more lines are not loaded" } } };
        for (const auto &[tag, file, notices] : rows)
            QTest::newRow(tag) << file << notices;
    }

    // A file that loads but held values the program does not take as they stand names each one,
    // with line and entry, in one message after the load.
    void oddValuesAreNamed()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, notices);
        const QString name = m_dir.filePath(QStringLiteral("odd.kmf"));
        QCOMPARE(contents(name, file), file);
        MapModel model(m_table);
        ScriptedUi ui;
        StateFileCommands files(model, ui, ui, [] {});
        QVERIFY(files.readState(name));
        const QStringList expected = notices.isEmpty()
            ? QStringList()
            : QStringList { name + " is loaded. Some of what it holds was not taken as it stands:\n\n"
                  + named(notices.join('\n')) + "|Load Game State|?" };
        QCOMPARE(ui.shown, expected);
    }

    void playerMapAsGameState_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("gameMasterNotes"); // in memory before the load
        QTest::addColumn<bool>("asked");
        QTest::newRow("don't load") << int(MessageBox::Answer::No) << true << true;
        QTest::newRow("load as player map") << int(MessageBox::Answer::Yes) << true << true;
        QTest::newRow("no game-master notes to lose: loads") << int(MessageBox::Answer::No) << false << false;
    }

    // A player map opened with Load Game State would empty every game-master text: the game master
    // is asked, and loading it as a player map keeps them.
    void playerMapAsGameState()
    {
        QFETCH(int, answer);
        QFETCH(bool, gameMasterNotes);
        QFETCH(bool, asked);
        MapModel players(m_table);
        players.notes.setNotes(7, "secret", "Landed here");
        players.view.selectedStar = 7;
        const QString name = m_dir.filePath(QStringLiteral("players.ply"));
        QVERIFY(saveStateFile(name, players.view, players.notes, true));

        MapModel model(m_table);
        if (gameMasterNotes) {
            model.notes.setNotes(7, "Hot jungle", "old player text");
            model.notes.setNotes(9, "Ruins", QString());
        }
        const NotesStore before = model.notes;
        ScriptedUi ui;
        ui.answer = name;
        ui.button = MessageBox::Answer(answer);
        StateFileCommands files(model, ui, ui, [] {});
        files.loadGameState();
        const bool loaded = !asked || answer == int(MessageBox::Answer::Yes);
        QCOMPARE(ui.shown.size(), asked ? 1 : 0);
        if (asked)
            QVERIFY2(ui.shown.first().startsWith(name
                         + " is a player map: it holds the players' notes only. Loaded as a game state, it would "
                           "empty the game master's notes of 2 systems."),
                qPrintable(ui.shown.first()));
        QCOMPARE(model.view.selectedStar, loaded ? 7 : 165);
        if (!loaded) {
            QVERIFY(model.notes == before);
            return;
        }
        QCOMPARE(model.notes.gameMasterText(7), gameMasterNotes ? "Hot jungle" : "");
        QCOMPARE(model.notes.playerText(7), "Landed here");
        QCOMPARE(model.notes.gameMasterText(9), gameMasterNotes ? "Ruins" : "");
    }

    void save_data()
    {
        QTest::addColumn<QString>("name"); // in a fresh folder
        QTest::addColumn<QString>("failing"); // the system call made to fail
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("reason"); // empty: the save succeeds
        const std::tuple<const char *, QString, const char *, int, QString> rows[]
            = { { "saved", "game.kmf", "", 0, "" }, { "long name", QString(246, u'n') + ".kmf", "", 0, "" },
                  { "read-only folder", "game.kmf", "open", EACCES, "Permission denied" },
                  { "full disk", "game.kmf", "write", ENOSPC, "No space left on device" },
                  { "flush fails", "game.kmf", "fdatasync", EIO, "Input/output error" },
                  { "close fails", "game.kmf", "close", EDQUOT, "Disk quota exceeded" },
                  { "rename fails", "game.kmf", "rename", EBUSY, "Device or resource busy" },
                  { "folder is a file", "plain/game.kmf", "", 0, "Not a directory" },
                  // Refused before anything is written, with the limit.
                  { "too long a name", QString(300, u'n') + ".kmf", "", 0,
                      "the name is 304 bytes long; a file name can be at most 255 bytes" } };
        for (const auto &[tag, name, failing, error, reason] : rows)
            QTest::newRow(tag) << name << QString(failing) << error << reason;
    }

    // Saving over an old file (where the name can be one) either replaces it whole or leaves it byte for
    // byte as it was, with one message naming the file and the system's reason; no temporary file is left.
    void save()
    {
        QFETCH(QString, name);
        QFETCH(QString, failing);
        QFETCH(int, error);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString file = dir.filePath(name);
        const QByteArray old = "old game\r\n";
        QCOMPARE(contents(dir.filePath("plain"), old), old);
        const bool over = !name.contains('/') && name.size() <= 255; // an old file of that name
        if (over)
            QCOMPARE(contents(file, old), old);
        MapModel model(m_table);
        model.notes.setNotes(7, "Hot jungle", "Landed here");

        FileCalls calls = FileCalls::system();
        int writes = 0;
        const auto fails = [error](auto result) {
            errno = error;
            return decltype(result)(-1);
        };
        if (failing == "open")
            calls.open = [fails](const char *, int, mode_t) { return fails(0); };
        if (failing == "write") // the disk fills up after the first half
            calls.write = [&writes, fails](int fd, const void *bytes, size_t count) {
                return writes++ ? fails(ssize_t()) : ::write(fd, bytes, count / 2);
            };
        if (failing == "fdatasync")
            calls.fdatasync = [fails](int) { return fails(0); };
        if (failing == "close")
            calls.close = [fails](int fd) { return ::close(fd) ? -1 : fails(0); };
        if (failing == "rename")
            calls.rename = [fails](const char *, const char *) { return fails(0); };
        ScriptedUi ui;
        StateFileCommands files(model, ui, ui, [] {});
        files.setFileCalls(calls);
        ui.answer = file;
        files.saveGameState();

        QStringList shown = { "Could not save " + file + ": " + reason + "|Save Game State|?" };
        if (over)
            shown.prepend("Overwrite existing file|Save File");
        if (reason.isEmpty())
            shown.removeLast();
        QCOMPARE(ui.shown, shown);
        const QString base = name.section('.', 0, 0);
        QStringList left = { "plain" };
        if (over)
            left += reason.isEmpty() ? QStringList { base + ".kmf", base + ".campaign" } : QStringList { name };
        left.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), left);
        if (over)
            QCOMPARE(contents(file), reason.isEmpty() ? encodeState(model.view, model.notes, false) : old);
    }

    void fileSizeLimit_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<bool>("startUp"); // whether the child ignores SIGXFSZ as the program does
        QTest::newRow("game state, signal not ignored: it kills") << "game state" << false;
        QTest::newRow("game state") << "game state" << true;
        QTest::newRow("player map") << "player map" << true;
        QTest::newRow("recovery file") << "recovery" << true;
        QTest::newRow("atlas") << "atlas" << true;
    }

    // Under a file-size limit (a quota, a small "ulimit -f") a save over an old file fails with
    // "File too large" like any other failure: the program is not killed, the old file keeps its
    // bytes and no temporary file is left behind.
    void fileSizeLimit()
    {
        QFETCH(QString, writer);
        QFETCH(bool, startUp);
        QTemporaryDir dir;
        const QString file = dir.filePath(writer == "atlas" ? "atlas.pdf"
                : writer == "player map"                    ? "game.ply"
                                                            : "game.kmf");
        const QByteArray old = "old game\r\n";
        QCOMPARE(contents(file, old), old);
        const ChildResult child = runWithFileSizeLimit(100, [&]() -> QByteArray {
            if (startUp)
                ignoreFileSizeSignal();
            MapModel model(m_table);
            model.notes.setNotes(7, QString(200, u'j'), QString(200, u'p'));
            if (writer == "atlas") {
                model.view.selectedStar = 7;
                beginRedraw(model);
                QString reason;
                AtlasWriter(model, { AtlasEdition::GameMaster, SectorChoice::WithNotes, QDate(2026, 12, 7), {}, {} })
                    .write(file, &reason);
                return reason.toUtf8();
            }
            if (writer == "recovery") {
                RecoveryContents recovered;
                recovered.state.notes = model.notes;
                recovered.lastChange = QDateTime::currentDateTime();
                return RecoveryWriter().write(file, recovered).toUtf8();
            }
            ScriptedUi ui;
            StateFileCommands files(model, ui, ui, [] {});
            ui.answer = file;
            writer == "player map" ? files.savePlayerMap() : void(files.saveGameState());
            return ui.shown.join('\n').toUtf8();
        });
        QCOMPARE(child.signalled, !startUp);
        if (!startUp) {
            QCOMPARE(child.signal, SIGXFSZ);
            return;
        }
        QVERIFY2(child.output.endsWith("File too large") || child.output.contains("File too large|"), child.output);
        QCOMPARE(contents(file), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList { QFileInfo(file).fileName() });
    }

    // An export into a folder that is a file says why, as a save does; the handout's text file too.
    void exportFailure()
    {
        struct Dpi : ResolutionChooser
        {
            int chooseDpi(const QString &) override { return 150; }
        } dpi;
        QTemporaryDir dir;
        QCOMPARE(contents(dir.filePath("plain"), "x"), "x");
        MapModel model(m_table);
        model.view.selectedStar = StarTable::kSol;
        beginRedraw(model);
        ScriptedUi ui;
        ExportCommands exports([&model] { return &model; }, ui, ui, dpi);
        for (const char *name : { "map.png", "map.pdf", "handout.txt" }) {
            ui.answer = dir.filePath(QStringLiteral("plain/") + name);
            const bool map = ui.answer.startsWith(dir.filePath("plain/map"));
            map ? exports.chooseAndExportMap() : exports.chooseAndExportHandout();
            QCOMPARE(ui.shown,
                QStringList { "Could not export " + ui.answer + ": Not a directory|"
                    + (map ? "Export Map" : "Export Player Handout") + "|?" });
            ui.shown.clear();
        }
    }

    void loadSpecialName_data()
    {
        QTest::addColumn<QString>("name"); // "@" stands for a fresh folder
        QTest::addColumn<QString>("reason");
        const char *const rows[][3] = { { "missing", "@/campaign.kmf", "No such file or directory" },
            { "missing folder", "/nonexistent/campaign.ply", "No such file or directory" },
            { "folder", "@", "it is a folder, not a file" },
            { "named pipe", "@/pipe.kmf", "it is a named pipe (FIFO), not a file" },
            { "/dev/null", "/dev/null", "it is a device, not a file" },
            { "/dev/zero", "/dev/zero", "it is a device, not a file" },
            { "/proc/self/mem", "/proc/self/mem", "it is a file of the running system, not a saved file" },
            { "larger than the limit", "@/huge.kmf", "it is larger than 256 MB" } };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString(row[1]) << QString(row[2]);
    }

    // A name that is not a regular file, through Load Game State, Load Player Map, the command
    // line or Recent Files, gets one message saying what it is, at once (a pipe with no writer
    // never blocks the load, /dev/zero is not read without end), and nothing changes.
    void loadSpecialName()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        name.replace('@', dir.path());
        if (name.endsWith("pipe.kmf"))
            QCOMPARE(::mkfifo(QFile::encodeName(name).constData(), 0600), 0);
        if (name.endsWith("huge.kmf")) { // sparse: no disk space taken
            QFile huge(name);
            QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(kMaxStateBytes + 1));
        }
        MapModel model(m_table);
        model.notes.setNotes(7, "Hot jungle", "Landed here");
        const NotesStore before = model.notes;
        ScriptedUi ui;
        int redraws = 0;
        StateFileCommands files(model, ui, ui, [&redraws] { ++redraws; });
        ui.answer = name;
        files.loadGameState();
        files.loadPlayerMap();
        QVERIFY(!files.openFile(name));
        const QString shown = "Could not load " + name + ": " + reason;
        const QString asOpened = name.endsWith(".ply") ? "Load Player Map" : "Load Game State";
        QCOMPARE(ui.shown,
            QStringList({ shown + "|Load Game State|?", shown + "|Load Player Map|?", shown + "|" + asOpened + "|?" }));
        QCOMPARE(redraws, 0);
        QVERIFY(model.notes == before && MapPlace::of(model.view) == MapPlace::of(MapModel(m_table).view));
    }

    // The travel plan beside a game state is read the same way: a pipe in its place is ignored
    // with the message a damaged plan gets, and the game state loads.
    void travelPlanIsPipe()
    {
        QTemporaryDir dir;
        MapModel model(m_table);
        model.notes.setNotes(7, "Hot jungle", "Landed here");
        QVERIFY(saveStateFile(dir.filePath("game.kmf"), model.view, model.notes, false));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("game.travel")).constData(), 0600), 0);
        MapModel loaded(m_table);
        ScriptedUi ui;
        StateFileCommands files(loaded, ui, ui, [] {});
        QVERIFY(files.openFile(dir.filePath("game.kmf")));
        QCOMPARE(ui.shown.size(), 1);
        QVERIFY2(ui.shown.first().startsWith("The campaign file is not in the expected form")
                && ui.shown.first().contains("game.travel: it is a named pipe (FIFO), not a file"),
            qPrintable(ui.shown.first()));
        QVERIFY(loaded.notes == model.notes);
    }
};

QTEST_MAIN(TestStateFiles)
#include "tst_statefiles.moc"
