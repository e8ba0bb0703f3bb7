#include "files/messagebox.h"
#include "mapview/mapmodel.h"
#include "output/clipboard.h"
#include "output/notescommands.h"
#include "output/notesexport.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTimeZone>

namespace {

const QChar kSep = NotesStore::kSeparator;
const QDateTime kNow(QDate(2024, 3, 5), QTime(14, 3, 7), QTimeZone::utc());

class RecordingClipboard : public Clipboard
{
public:
    QStringList texts;
    void setText(const QString &text) override { texts << text; }
};

class RecordingMessages : public MessageBox
{
public:
    QStringList shown;
    Answer show(const QString &text, const QString &title, Buttons buttons, Icon icon) override
    {
        shown << text + QLatin1Char('|') + title + (buttons == Buttons::Ok ? "|OK" : "|?")
                + (icon == Icon::Information ? "|i" : "|?");
        return Answer::Ok;
    }
};

} // namespace

class TestNotesExport : public QObject
{
    Q_OBJECT
public:
    TestNotesExport()
        : m_table(StarTable::fromCatalogue())
    { }

private slots:
    void generalDate_data();
    void generalDate();
    void texts_data();
    void texts();
    void commandsSendThenConfirm();
    void playerTextHoldsNoGameMasterText();

private:
    StarTable m_table;
};

void TestNotesExport::generalDate_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::newRow("C") << QLocale::c() << "5 Mar 2024 14:03:07 UTC";
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << "3/5/24 2:03:07 PM UTC";
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << "05.03.24 14:03:07 UTC";
}

void TestNotesExport::generalDate()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QCOMPARE(::generalDate(kNow, locale), text);
}

void TestNotesExport::texts_data()
{
    QTest::addColumn<QStringList>("notes"); // for star 0 ("36 Ophiuchi A") and star 165 ("Sol")
    QTest::addColumn<bool>("gameMaster");
    QTest::addColumn<QString>("text");

    const QString gm = "VQA Game Master Notes and Player Notes 5 Mar 2024 14:03:07 UTC\r\n\r\n";
    const QString pl = "VQA Player Notes 5 Mar 2024 14:03:07 UTC\r\n\r\n";
    const QString ophiuchi = "36 Ophiuchi A -4,-16,-8 K0 \r\n\r\n";
    const QString sol = "Sol 0,0,0 G2 *\r\n\r\n";
    QTest::newRow("no notes, gm") << QStringList { "", "" } << true << gm;
    QTest::newRow("no notes, player") << QStringList { "", "" } << false << pl;
    const QStringList both = { QString("Ice") + kSep + "Cold\r\nwind", QString("Hot") + kSep + "Base camp" };
    QTest::newRow("both texts, gm") << both << true
                                    << gm + ophiuchi
            + "Game Master Notes\r\nIce\r\n\r\nPlayer Notes\r\nCold\r\nwind\r\n\r\n" + sol
            + "Game Master Notes\r\nHot\r\n\r\nPlayer Notes\r\nBase camp\r\n\r\n";
    QTest::newRow("both texts, player") << both << false
                                        << pl + ophiuchi + "Player Notes\r\nCold\r\nwind\r\n\r\n" + sol
            + "Player Notes\r\nBase camp\r\n\r\n";
    const QStringList odd = { "No separator", "GM only" + QString(kSep) };
    QTest::newRow("no separator and gm only, player")
        << odd << false << pl + ophiuchi + sol + "Player Notes\r\n\r\n\r\n";
    QTest::newRow("no separator and gm only, gm")
        << odd << true << gm + ophiuchi + sol + "Game Master Notes\r\nGM only\r\n\r\nPlayer Notes\r\n\r\n\r\n";
}

void TestNotesExport::texts()
{
    QFETCH(QStringList, notes);
    QFETCH(bool, gameMaster);
    QFETCH(QString, text);
    NotesStore store(m_table.size());
    store.setText(0, notes.at(0));
    store.setText(StarTable::kSol, notes.at(1));
    QCOMPARE(notesText(m_table, store, gameMaster, kNow, QLocale::c()), text);
}

void TestNotesExport::commandsSendThenConfirm()
{
    MapModel model(m_table);
    model.notes.setText(3, "a" + QString(kSep) + "b");
    RecordingClipboard clipboard;
    RecordingMessages messages;
    NotesCommands commands(model, clipboard, messages, [] { return kNow; });
    commands.nprint_Click();
    commands.npprint_Click();
    QCOMPARE(clipboard.texts,
        (QStringList { notesText(m_table, model.notes, true, kNow), notesText(m_table, model.notes, false, kNow) }));
    QVERIFY(clipboard.texts.at(1).startsWith("VQA Player Notes " + ::generalDate(kNow)));
    const QString confirm
        = "Notes have been sent to clipboard ready to paste into your chosen Program|Clipboard Ready|OK|i";
    QCOMPARE(messages.shown, (QStringList { confirm, confirm }));
}

void TestNotesExport::playerTextHoldsNoGameMasterText()
{
    QRandomGenerator random(5);
    NotesStore store(m_table.size());
    QStringList secrets;
    for (int i = 0; i < store.size(); ++i) {
        // Game-master texts draw on Greek letters, which no star name or player text holds.
        QString secret;
        for (int n = random.bounded(3, 12); n > 0; --n)
            secret += QChar(0x3B1 + random.bounded(24));
        secrets << secret;
        store.setText(i, secret + kSep + QString::number(random.generate()));
    }
    const QString text = notesText(m_table, store, false, kNow);
    for (const QString &secret : secrets)
        QVERIFY(!text.contains(secret));
    QVERIFY(
        std::none_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x3B1 && c.unicode() < 0x3C9; }));
    QVERIFY(notesText(m_table, store, true, kNow).contains(secrets.constLast()));
}

QTEST_GUILESS_MAIN(TestNotesExport)
#include "tst_notesexport.moc"
