#include "catalogue/startable.h"
#include "files/commondialog.h"
#include "files/messagebox.h"
#include "files/statecodec.h"
#include "files/statefilecommands.h"
#include "mapview/mapmodel.h"
#include "output/clipboard.h"
#include "routes/travelfile.h"
#include "travel/travelcommands.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kStars = 192;

// Picks the scripted file, answers Yes and keeps what was shown and copied.
class Scripted : public CommonDialog, public MessageBox, public Clipboard
{
public:
    QString answer;
    QStringList shown;
    QString copied;
    bool ShowSave() override { return ShowOpen(); }
    bool ShowOpen() override
    {
        FileName = answer;
        return true;
    }
    Answer show(const QString &text, const QString &title, Buttons, Icon) override
    {
        shown << title + '|' + text;
        return Answer::Yes;
    }
    void setText(const QString &text) override { copied = text; }
};

QByteArray contents(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

} // namespace

class TestTravelFile : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void garbage_data();
    void garbage();
    void withGameState_data();
    void withGameState();
    void plotAndCopy();

private:
    StarTable m_table = StarTable::fromCatalogue();
    QTemporaryDir m_dir;
};

void TestTravelFile::roundTrip_data()
{
    QTest::addColumn<double>("limit");
    QTest::addColumn<QList<int>>("route");
    QTest::newRow("default, no route") << 5.0 << QList<int> {};
    QTest::newRow("typed tenth") << 6.3 << QList<int> { 165, 12, 40 };
    QTest::newRow("bounds and last star") << 15.0 << QList<int> { 0, 191 };
    QTest::newRow("lowest") << 1.0 << QList<int> { 3, 4, 5, 6, 7 };
}

void TestTravelFile::roundTrip()
{
    QFETCH(double, limit);
    QFETCH(QList<int>, route);
    const TravelPlan plan { limit, std::vector<int>(route.begin(), route.end()) };
    const QString name = m_dir.filePath(QStringLiteral("round.travel"));
    QVERIFY(saveTravelFile(name, plan));
    TravelPlan read;
    QCOMPARE(loadTravelFile(name, kStars, read), TravelLoad::Loaded);
    QVERIFY(read == plan);
    // LF line ends read the same.
    QVERIFY(decodeTravel(encodeTravel(plan).replace("\r\n", "\n"), kStars) == plan);
}

void TestTravelFile::garbage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("other header") << QByteArray("Quorvane travel plan 2\r\nlimit 5.0\r\nroute\r\n");
    QTest::newRow("limit below") << QByteArray("Quorvane travel plan 1\r\nlimit 0.5\r\nroute\r\n");
    QTest::newRow("limit above") << QByteArray("Quorvane travel plan 1\r\nlimit 15.5\r\nroute\r\n");
    QTest::newRow("limit not a number") << QByteArray("Quorvane travel plan 1\r\nlimit five\r\nroute\r\n");
    QTest::newRow("limit nan") << QByteArray("Quorvane travel plan 1\r\nlimit nan\r\nroute\r\n");
    QTest::newRow("limit in hundredths") << QByteArray("Quorvane travel plan 1\r\nlimit 6.25\r\nroute\r\n");
    QTest::newRow("star past the table") << QByteArray("Quorvane travel plan 1\r\nlimit 5.0\r\nroute 165 192\r\n");
    QTest::newRow("negative star") << QByteArray("Quorvane travel plan 1\r\nlimit 5.0\r\nroute -1 3\r\n");
    QTest::newRow("one star") << QByteArray("Quorvane travel plan 1\r\nlimit 5.0\r\nroute 165\r\n");
    QTest::newRow("lines swapped") << QByteArray("Quorvane travel plan 1\r\nroute 1 2\r\nlimit 5.0\r\n");
    QTest::newRow("no route line") << QByteArray("Quorvane travel plan 1\r\nlimit 5.0\r\n");
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe\x01\r\n\x80", 6);
}

void TestTravelFile::garbage()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!decodeTravel(bytes, kStars));
}

void TestTravelFile::withGameState_data()
{
    QTest::addColumn<QByteArray>("side"); // written over the saved side file; empty: removed
    QTest::addColumn<QString>("route"); // after the load
    QTest::addColumn<QString>("message");
    QTest::newRow("as saved") << QByteArray("keep") << "165 12 40"
                              << "";
    QTest::newRow("absent") << QByteArray() << ""
                            << "";
    QTest::newRow("malformed") << QByteArray("garbage\r\n") << ""
                               << "Load Travel Plan|The travel plan game.travel is not in the expected form and has "
                                  "been ignored: the game state is loaded without a route.";
}

void TestTravelFile::withGameState()
{
    QFETCH(QByteArray, side);
    QFETCH(QString, route);
    QFETCH(QString, message);
    MapModel model(m_table);
    model.view.selectedStar = 165;
    model.travel = { 6.5, { 165, 12, 40 } };
    Scripted scripted;
    int redraws = 0;
    StateFileCommands files(model, scripted, scripted, [&redraws] { ++redraws; });

    const QString state = m_dir.filePath(QStringLiteral("game.kmf"));
    const QString travel = m_dir.filePath(QStringLiteral("game.travel"));
    QFile::remove(state);
    scripted.answer = state;
    files.saveGameState();
    // The game state is byte for byte what it is without travel planning.
    const QString plain = m_dir.filePath(QStringLiteral("plain.kmf"));
    QVERIFY(saveStateFile(plain, model.view, model.notes, false));
    QCOMPARE(contents(state), contents(plain));
    QCOMPARE(contents(travel), QByteArray("Quorvane travel plan 1\r\nlimit 6.5\r\nroute 165 12 40\r\n"));

    if (side.isEmpty())
        QVERIFY(QFile::remove(travel));
    else if (side != "keep")
        write(travel, side);
    model.travel = { 3.0, { 1, 2 } };
    scripted.shown.clear();
    files.loadGameState();
    QCOMPARE(redraws, 1);
    QStringList stars;
    for (int s : model.travel.route)
        stars << QString::number(s);
    QCOMPARE(stars.join(u' '), route);
    QCOMPARE(model.travel.jumpLimit, side == "keep" ? 6.5 : 3.0);
    QCOMPARE(scripted.shown.join(u'\n'), message);

    // A player map neither writes nor reads the side file.
    const QString player = m_dir.filePath(QStringLiteral("game.ply"));
    QFile::remove(travel);
    scripted.answer = player;
    files.savePlayerMap();
    QVERIFY(!QFile::exists(travel));
    write(travel, "garbage");
    model.travel = { 3.0, { 1, 2 } };
    files.loadPlayerMap();
    QCOMPARE(model.travel.route, (std::vector<int> { 1, 2 }));
}

void TestTravelFile::plotAndCopy()
{
    MapModel model(m_table);
    model.view.selectedStar = StarTable::kSol;
    model.view.secondStar = StarTable::kSol;
    Scripted scripted;
    int redraws = 0;
    TravelCommands travel(model, scripted, scripted, [&redraws] { ++redraws; });

    travel.plotSelectedRoute(); // the same star twice: nothing to plot
    QVERIFY(model.travel.route.empty());
    QCOMPARE(redraws, 0);

    model.view.secondStar = 40;
    model.travel.jumpLimit = 15.0;
    travel.plotSelectedRoute();
    QVERIFY(model.travel.route.size() >= 2);
    QCOMPARE(redraws, 1);
    const QString shown = scripted.shown.last();
    QVERIFY(shown.startsWith(QStringLiteral("Plot Route|Route from ")));
    QCOMPARE(shown.count(QStringLiteral(" ly\r\n")), int(model.travel.route.size()) - 1); // one line a leg
    travel.copyRoute();
    QCOMPARE(QStringLiteral("Plot Route|") + scripted.copied, shown);

    travel.clearRoute();
    QVERIFY(model.travel.route.empty());
    QCOMPARE(redraws, 2);
    scripted.copied.clear();
    travel.copyRoute();
    QVERIFY(scripted.copied.isEmpty());
}

QTEST_GUILESS_MAIN(TestTravelFile)
#include "tst_travelfile.moc"
