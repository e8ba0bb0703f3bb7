#include "files/scriptedui.h"
#include "files/statecheck.h"
#include "files/statecodec.h"
#include "files/statefilecommands.h"
#include "mapview/mapmodel.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kStars = 192;

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

class TestDamagedFiles : public QObject
{
    Q_OBJECT
private:
    StarTable m_table = StarTable::fromCatalogue();
    QTemporaryDir m_dir;
private slots:
    void initTestCase() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path()); }

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
        for (int star = kStars - 1; star >= 0; --star) // @191 before @19
            problem.replace('@' + QString::number(star), m_table[star].starName.trimmed());
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
        for (QString &notice : notices)
            for (int star = kStars - 1; star >= 0; --star)
                notice.replace('@' + QString::number(star), m_table[star].starName.trimmed());
        const QString name = m_dir.filePath(QStringLiteral("odd.kmf"));
        QCOMPARE(contents(name, file), file);
        MapModel model(m_table);
        ScriptedUi ui;
        StateFileCommands files(model, ui, ui, [] {});
        QVERIFY(files.readState(name));
        const QStringList expected = notices.isEmpty()
            ? QStringList()
            : QStringList { name + " is loaded. Some of what it holds was not taken as it stands:\n\n"
                  + notices.join('\n') + "|Load Game State|?" };
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
};

QTEST_GUILESS_MAIN(TestDamagedFiles)
#include "tst_damagedfiles.moc"
