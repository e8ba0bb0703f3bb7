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

        const QByteArray good = sample();
        QTest::newRow("whole") << good << QString() << 0;
        QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + good << QString() << 0;
        QTest::newRow("LF line ends, blanks around notes")
            << QByteArray(good).replace("\"\r\n", "\" \t\n") << QString() << 0;
        QTest::newRow("missing closing quote")
            << withLine(27, "\"gm21\xFFpl21") << "Line 27, the notes of @21: no closing quote" << 21;
        QTest::newRow("missing closing quote, last star")
            << good.chopped(3) << "Line 198, the notes of @191: no closing quote" << 191;
        QTest::newRow("unquoted line with a comma")
            << withLine(27, "gm21, pl21") << "Line 27, the notes of @21: a comma in notes without quotes" << 21;
        QTest::newRow("stray quote before star 50")
            << withLine(57, "\"\"gm50\xFFpl50\"") << "Line 57, the notes of @50: text after the closing quote" << 50;
        QTest::newRow("text after a two-line note")
            << QByteArray(good).replace("second line\xFFpl30\"", "second \"line\xFFpl30\"")
            << "Line 37, the notes of @30: text after the closing quote" << 30;
        QTest::newRow("two-line note not closed") << QByteArray(good).replace("\xFFpl30\"", "\xFFpl30")
                                                  << "Line 36, the notes of @30: no closing quote" << 30;
        QTest::newRow("cut off inside a line") << good.left(good.indexOf("\"gm114")) + "\"gm11"
                                               << "Line 121, the notes of @114: no closing quote" << 114;
        QTest::newRow("cut off after a line") << good.left(good.indexOf("\"gm114"))
                                              << "Line 121, the notes of @114: the file ends here (it may have been "
                                                 "cut off)"
                                              << 114;
        QTest::newRow("cut off after the header")
            << QByteArray("3\r\n4\r\n-9\r\n5\r\n0")
            << "Line 5, the notes of @0: the file ends here (it may have been cut off)" << 0;
        QTest::newRow("header not a number")
            << withLine(3, "minus nine") << "Line 3, the sector origin Y: not a whole number" << -1;
        QTest::newRow("empty file") << QByteArray()
                                    << "Line 1, the selected star: the file ends here (it may have been cut off)" << -1;
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
};

QTEST_GUILESS_MAIN(TestDamagedFiles)
#include "tst_damagedfiles.moc"
