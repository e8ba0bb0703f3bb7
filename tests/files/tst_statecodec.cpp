#include "files/commondialog.h"
#include "files/statecodec.h"
#include "index/notesstore.h"
#include "mapview/viewstate.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTest>

namespace {

constexpr int kStars = 192;
const QChar kSep = NotesStore::kSeparator;
const QByteArray kEmptyLine = QByteArrayLiteral("\"\"\r\n");

bool decode(const QByteArray &bytes, ViewState &view, NotesStore &notes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return decodeState(buffer, view, notes);
}

// Random text over an alphabet that holds everything a note may contain: quotes, separators,
// commas, line breaks, a byte-order mark, accents, the euro sign and characters beyond 16 bits.
QString randomText(QRandomGenerator &random, const std::vector<char32_t> &alphabet)
{
    std::u32string text(random.bounded(12), U' ');
    for (char32_t &c : text)
        c = alphabet[random.bounded(static_cast<quint32>(alphabet.size()))];
    return QString::fromStdU32String(text);
}

const std::vector<char32_t> kAnyText
    = { U'a', U'Z', U' ', U'"', U',', U'\r', U'\n', 0xFF, 0xFEFF, U'é', U'€', 0x1F680 };

} // namespace

class TestStateCodec : public QObject
{
    Q_OBJECT
private slots:
    void startupFile();
    void entryLine_data();
    void entryLine();
    void randomNotesRoundTrip();
    void playerMapHoldsNoGameMasterText();
    void windows1252Notes();
    void failedRead_data();
    void failedRead();
    void headerIndices_data();
    void headerIndices();
    void nameFilters();
};

void TestStateCodec::startupFile()
{
    const QByteArray expected = "165\r\n0\r\n-7\r\n-7\r\n0\r\n" + kEmptyLine.repeated(kStars);
    QCOMPARE(encodeState(ViewState(), NotesStore(kStars), false), expected);
    QCOMPARE(encodeState(ViewState(), NotesStore(kStars), true), expected);

    ViewState view;
    view.selstar = 3;
    view.yorg = 11; // written before xorg
    view.xorg = -35;
    QVERIFY(encodeState(view, NotesStore(kStars), false).startsWith("3\r\n0\r\n11\r\n-35\r\n0\r\n\"\"\r\n"));
    // Lines after the last entry are ignored.
    NotesStore notes(kStars);
    QVERIFY(decode(expected + "\"extra\"\r\n12\r\n", view, notes));
    QCOMPARE(view.selstar, 165);
    QCOMPARE(view.xorg, -7);
}

void TestStateCodec::entryLine_data()
{
    QTest::addColumn<QString>("notes");
    QTest::addColumn<bool>("player");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("readBack");

    const QString hot = QStringLiteral("Hot jungle") + kSep + QStringLiteral("Landed here");
    QTest::newRow("both texts") << hot << false << QByteArray("\"Hot jungle\xFFLanded here\"") << hot;
    QTest::newRow("player text only") << kSep + QStringLiteral("Base camp") << false
                                      << QByteArray("\"\xFF"
                                                    "Base camp\"")
                                      << kSep + QStringLiteral("Base camp");
    const QString lines = QStringLiteral("a,b\r\nc") + kSep + QStringLiteral("d\ne");
    QTest::newRow("line breaks and commas") << lines << false
                                            << QByteArray("\"a,b\r\nc\xFF"
                                                          "d\ne\"")
                                            << lines;
    const QString quoted = QStringLiteral("say \"hi\"") + kSep + QStringLiteral("\"");
    QTest::newRow("quotes doubled") << quoted << false << QByteArray("\"say \"\"hi\"\"\xFF\"\"\"") << quoted;
    QTest::newRow("utf-8") << QStringLiteral("Zoë €") << false << QByteArray("\"Zo\xC3\xAB \xE2\x82\xAC\"")
                           << QStringLiteral("Zoë €");
    QTest::newRow("player: both texts") << hot << true << QByteArray("\"\xFFLanded here\"")
                                        << kSep + QStringLiteral("Landed here");
    QTest::newRow("player: game master only")
        << QStringLiteral("Secret") + kSep << true << QByteArray("\"\xFF\"") << QString(kSep);
    QTest::newRow("player: no separator") << QStringLiteral("Secret") << true << QByteArray("\"\"") << QString();
    QTest::newRow("player: second separator dropped")
        << QStringLiteral("gm") + kSep + QStringLiteral("pl") + kSep + QStringLiteral("more") << true
        << QByteArray("\"\xFFpl\"") << kSep + QStringLiteral("pl");
}

void TestStateCodec::entryLine()
{
    QFETCH(QString, notes);
    QFETCH(bool, player);
    QFETCH(QByteArray, line);
    QFETCH(QString, readBack);

    NotesStore store(kStars);
    store.setText(7, notes);
    const QByteArray header = "165\r\n0\r\n-7\r\n-7\r\n0\r\n";
    const QByteArray file = encodeState(ViewState(), store, player);
    QCOMPARE(file, header + kEmptyLine.repeated(7) + line + "\r\n" + kEmptyLine.repeated(kStars - 8));

    ViewState view;
    NotesStore loaded(kStars);
    loaded.setText(8, QStringLiteral("replaced"));
    QVERIFY(decode(file, view, loaded));
    QCOMPARE(loaded.text(7), readBack);
    QVERIFY(!loaded.hasNotes(8));
}

void TestStateCodec::randomNotesRoundTrip()
{
    QRandomGenerator random(7);
    for (int round = 0; round < 30; ++round) {
        NotesStore notes(kStars);
        for (int i = 0; i < kStars; ++i)
            notes.setText(i, randomText(random, kAnyText));
        ViewState view;
        view.selstar = static_cast<qint32>(random.bounded(kStars));
        view.xorg = random.bounded(-35, 21);
        ViewState readView;
        NotesStore read(kStars);
        QVERIFY(decode(encodeState(view, notes, false), readView, read));
        QCOMPARE(readView.selstar, view.selstar);
        QCOMPARE(readView.xorg, view.xorg);
        for (int i = 0; i < kStars; ++i)
            QCOMPARE(read.text(i), notes.text(i));
    }
}

void TestStateCodec::playerMapHoldsNoGameMasterText()
{
    // Game-master texts are Cyrillic, player texts never are: no Cyrillic may reach the player map.
    std::vector<char32_t> secret = kAnyText;
    for (char32_t c = 0x410; c < 0x450; ++c)
        secret.push_back(c);
    QRandomGenerator random(11);
    for (int round = 0; round < 30; ++round) {
        NotesStore notes(kStars);
        for (int i = 0; i < kStars; ++i)
            notes.setText(i, randomText(random, secret).remove(kSep) + kSep + randomText(random, { U'p', U'"', 0xFF }));
        const QString file = QString::fromUtf8(encodeState(ViewState(), notes, true).replace('\xFF', ' '));
        for (const QChar c : file)
            QVERIFY2(c.unicode() < 0x410 || c.unicode() >= 0x450, qPrintable(file));
    }
}

void TestStateCodec::windows1252Notes()
{
    // An older file in the Windows code page; a piece that is valid UTF-8 is read as UTF-8.
    const QByteArray file
        = "165\r\n0\r\n-7\r\n-7\r\n0\r\n\"Caf\xE9 \x80\xFFna\xEFve\"\r\n\"\xC3\xA9t\xE9\xFF\xC3\xA9t\xC3\xA9\"\r\n"
        + kEmptyLine.repeated(kStars - 2);
    ViewState view;
    NotesStore notes(kStars);
    QVERIFY(decode(file, view, notes));
    QCOMPARE(notes.text(0), QStringLiteral("Café €") + kSep + QStringLiteral("naïve"));
    QCOMPARE(notes.text(1), QStringLiteral("Ã©té") + kSep + QStringLiteral("été"));
}

void TestStateCodec::failedRead_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<int>>("header"); // selstar, diststar, yorg, xorg, colmode after reading
    QTest::addColumn<int>("notesRead");

    const QList<int> keep = { 165, 0, -7, -7, 0 };
    const QByteArray header = "12\r\n4\r\n3\r\n2\r\n1\r\n";
    QTest::newRow("empty file") << QByteArray() << keep << 0;
    QTest::newRow("header not a number") << QByteArray("12\r\n4\r\nthree\r\n2\r\n1\r\n")
                                         << QList<int> { 12, 4, -7, -7, 0 } << 0;
    QTest::newRow("header cut short") << QByteArray("12\r\n4\r\n") << QList<int> { 12, 4, -7, -7, 0 } << 0;
    QTest::newRow("three entries") << header + "\"n\"\r\n\"n\"\r\n\"n\"\r\n" << QList<int> { 12, 4, 3, 2, 1 } << 3;
    QTest::newRow("unterminated entry") << header + "\"n\"\r\n\"n\r\n" << QList<int> { 12, 4, 3, 2, 1 } << 1;
}

void TestStateCodec::failedRead()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<int>, header);
    QFETCH(int, notesRead);

    ViewState view;
    NotesStore notes(kStars);
    for (int i = 0; i < kStars; ++i)
        notes.setText(i, QStringLiteral("old"));
    QVERIFY(!decode(file, view, notes));
    QCOMPARE((QList<int> { view.selstar, view.diststar, view.yorg, view.xorg, view.colmode }), header);
    for (int i = 0; i < kStars; ++i)
        QCOMPARE(notes.text(i), i < notesRead ? QStringLiteral("n") : QStringLiteral("old"));
}

void TestStateCodec::headerIndices_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("star");
    QTest::newRow("last star") << QByteArray("191") << 191;
    QTest::newRow("none") << QByteArray("-1") << -1;
    QTest::newRow("past the last star") << QByteArray("192") << -1;
    QTest::newRow("below none") << QByteArray("-2") << -1;
    QTest::newRow("leading spaces") << QByteArray("  17") << 17;
}

void TestStateCodec::headerIndices()
{
    QFETCH(QByteArray, value);
    QFETCH(int, star);
    ViewState view;
    NotesStore notes(kStars);
    QVERIFY(decode(value + "\r\n" + value + "\r\n0\r\n0\r\n0\r\n" + kEmptyLine.repeated(kStars), view, notes));
    QCOMPARE(view.selstar, star);
    QCOMPARE(view.diststar, star);
}

void TestStateCodec::nameFilters()
{
    QCOMPARE(CommonDialog::nameFilters(QStringLiteral("Velmora Database file (*.kmf) | *.kmf")),
        QStringList { QStringLiteral("Velmora Database file (*.kmf)") });
    QCOMPARE(CommonDialog::nameFilters(QStringLiteral("Maps|*.kmf;*.ply|All (*.*)|*.*")),
        (QStringList { QStringLiteral("Maps (*.kmf *.ply)"), QStringLiteral("All (*.*)") }));
}

QTEST_GUILESS_MAIN(TestStateCodec)
#include "tst_statecodec.moc"
