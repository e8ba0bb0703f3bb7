#include "index/listlayout.h"
#include "index/notesboxes.h"
#include "index/notesstore.h"

#include <QtTest>

Q_DECLARE_METATYPE(WindowAction)

// The notes boxes against the notes store, and where the Stellar Index entries go.
class TestIndexModel : public QObject
{
    Q_OBJECT
private slots:
    void getnotesSplits_data();
    void getnotesSplits();
    void savenotesStores_data();
    void savenotesStores();
    void listLayout_data();
    void listLayout();
};

namespace {

const QString sep = QString(NotesStore::kSeparator);

} // namespace

void TestIndexModel::getnotesSplits_data()
{
    QTest::addColumn<QString>("stored"); // the notes of star 7
    QTest::addColumn<int>("selstar");
    QTest::addColumn<QStringList>("boxes");

    QTest::newRow("no notes") << QString() << 7 << QStringList { "", "" };
    QTest::newRow("both parts") << "Moons: 3\nRings" + sep + "Pirates" << 7
                                << QStringList { "Moons: 3\nRings", "Pirates" };
    QTest::newRow("only player notes") << sep + "Safe port" << 7 << QStringList { "", "Safe port" };
    QTest::newRow("no separator shows nothing") << "from an old file" << 7 << QStringList { "", "" };
    QTest::newRow("third part not shown") << "a" + sep + "b" + sep + "c" << 7 << QStringList { "a", "b" };
    QTest::newRow("no selected star") << "a" + sep + "b" << -1 << QStringList { "", "" };
}

void TestIndexModel::getnotesSplits()
{
    QFETCH(QString, stored);
    QFETCH(int, selstar);
    NotesStore notes(192);
    notes.setText(7, stored);
    const NotesBoxes boxes = getnotes(notes, selstar);
    QTEST((QStringList { boxes.gmnotes, boxes.plnotes }), "boxes");
}

void TestIndexModel::savenotesStores_data()
{
    QTest::addColumn<int>("selstar");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<WindowAction>("action");
    QTest::addColumn<QString>("stored"); // star 7's notes, "old" + separator + "notes" before

    const QString old = "old" + sep + "notes";
    const WindowAction redraw = WindowAction::Redraw;
    QTest::newRow("both boxes") << 7 << QStringList { "g", "p" } << redraw << "g" + sep + "p";
    QTest::newRow("only player notes") << 7 << QStringList { "", "p" } << redraw << sep + "p";
    QTest::newRow("only game-master notes") << 7 << QStringList { "g", "" } << redraw << "g" + sep;
    QTest::newRow("both empty keep old notes") << 7 << QStringList { "", "" } << WindowAction::Nothing << old;
    QTest::newRow("separator typed in a note")
        << 7 << QStringList { "a" + sep + "b", "c" } << redraw << "a" + sep + "b" + sep + "c";
    QTest::newRow("no selected star") << -1 << QStringList { "g", "p" } << WindowAction::Nothing << old;
}

void TestIndexModel::savenotesStores()
{
    QFETCH(int, selstar);
    QFETCH(QStringList, boxes);
    NotesStore notes(192);
    notes.setText(7, "old" + sep + "notes");
    QTEST(savenotes(notes, selstar, { boxes.at(0), boxes.at(1) }), "action");
    QTEST(notes.text(7), "stored");
    for (int i = 0; i < notes.size(); ++i)
        QVERIFY(i == 7 || notes.text(i).isEmpty());
}

void TestIndexModel::listLayout_data()
{
    QTest::addColumn<double>("entryHeight");
    QTest::addColumn<QList<int>>("sizes"); // rowH, top0, h, colW
    QTest::addColumn<QList<QPoint>>("positions"); // entries 0, 31, 32, 191

    // Arial 9 pt is 201.09 twips high; the window is 14190 twips wide.
    QTest::newRow("Arial 9 pt") << 201.09 << QList<int> { 201, 100, 100, 2183 }
                                << QList<QPoint> { { 603, 100 }, { 603, 6331 }, { 2786, 100 }, { 11518, 6331 } };
    QTest::newRow("halves to even") << 200.5 << QList<int> { 200, 100, 100, 2183 }
                                    << QList<QPoint> { { 600, 100 }, { 600, 6300 }, { 2783, 100 }, { 11515, 6300 } };
}

void TestIndexModel::listLayout()
{
    QFETCH(double, entryHeight);
    const ListLayout layout(entryHeight, 14190);
    QTEST((QList<int> { layout.rowH(), layout.top0(), layout.h(), layout.colW() }), "sizes");
    QTEST((QList<QPoint> { layout.entryPos(0), layout.entryPos(31), layout.entryPos(32), layout.entryPos(191) }),
        "positions");
}

QTEST_APPLESS_MAIN(TestIndexModel)
#include "tst_indexmodel.moc"
