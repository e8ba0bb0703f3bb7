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
    QTest::addColumn<QString>("gm");
    QTest::addColumn<QString>("player");

    QTest::newRow("no notes") << QString() << 7 << ""
                              << "";
    QTest::newRow("both parts") << "Moons: 3" + sep + "Rumours of pirates" << 7 << "Moons: 3"
                                << "Rumours of pirates";
    QTest::newRow("only player notes") << sep + "Safe port" << 7 << ""
                                       << "Safe port";
    QTest::newRow("only game-master notes") << "Hidden base" + sep << 7 << "Hidden base"
                                            << "";
    QTest::newRow("no separator shows nothing") << "from an old file" << 7 << ""
                                                << "";
    QTest::newRow("third part not shown") << "a" + sep + "b" + sep + "c" << 7 << "a"
                                          << "b";
    QTest::newRow("lines kept") << "one\ntwo" + sep + "three" << 7 << "one\ntwo"
                                << "three";
    QTest::newRow("another star") << "a" + sep + "b" << 8 << ""
                                  << "";
    QTest::newRow("no selected star") << "a" + sep + "b" << -1 << ""
                                      << "";
}

void TestIndexModel::getnotesSplits()
{
    QFETCH(QString, stored);
    QFETCH(int, selstar);
    NotesStore notes(192);
    notes.setText(7, stored);
    const NotesBoxes boxes = getnotes(notes, selstar);
    QTEST(boxes.gmnotes, "gm");
    QTEST(boxes.plnotes, "player");
}

void TestIndexModel::savenotesStores_data()
{
    QTest::addColumn<QString>("before"); // the notes of star 7
    QTest::addColumn<int>("selstar");
    QTest::addColumn<QString>("gm");
    QTest::addColumn<QString>("player");
    QTest::addColumn<WindowAction>("action");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("shownGm"); // what the boxes show when the star is selected again
    QTest::addColumn<QString>("shownPlayer");

    const WindowAction redraw = WindowAction::Redraw;
    const WindowAction nothing = WindowAction::Nothing;
    const QString old = "old" + sep + "notes";
    QTest::newRow("both boxes") << QString() << 7 << "g"
                                << "p" << redraw << "g" + sep + "p"
                                << "g"
                                << "p";
    QTest::newRow("only player notes") << QString() << 7 << ""
                                       << "p" << redraw << sep + "p"
                                       << ""
                                       << "p";
    QTest::newRow("only game-master notes") << old << 7 << "g"
                                            << "" << redraw << "g" + sep << "g"
                                            << "";
    QTest::newRow("replaces old notes") << old << 7 << "new"
                                        << "text" << redraw << "new" + sep + "text"
                                        << "new"
                                        << "text";
    QTest::newRow("both empty keeps old notes") << old << 7 << ""
                                                << "" << nothing << old << "old"
                                                << "notes";
    QTest::newRow("separator typed in a note") << QString() << 7 << "a" + sep + "b"
                                               << "c" << redraw << "a" + sep + "b" + sep + "c"
                                               << "a"
                                               << "b";
    QTest::newRow("no selected star") << old << -1 << "g"
                                      << "p" << nothing << old << "old"
                                      << "notes";
}

void TestIndexModel::savenotesStores()
{
    QFETCH(QString, before);
    QFETCH(int, selstar);
    QFETCH(QString, gm);
    QFETCH(QString, player);
    NotesStore notes(192);
    notes.setText(7, before);
    QTEST(savenotes(notes, selstar, { gm, player }), "action");
    QTEST(notes.text(7), "after");
    for (int i = 0; i < notes.size(); ++i)
        QVERIFY(i == 7 || notes.text(i).isEmpty());
    const NotesBoxes shown = getnotes(notes, 7);
    QTEST(shown.gmnotes, "shownGm");
    QTEST(shown.plnotes, "shownPlayer");
}

void TestIndexModel::listLayout_data()
{
    QTest::addColumn<double>("entryHeight");
    QTest::addColumn<int>("rowH");
    QTest::addColumn<int>("top0");
    QTest::addColumn<int>("h");
    QTest::addColumn<QList<QPoint>>("positions"); // entries 0, 31, 32, 191

    // Arial 9 pt is 201.09 twips high; the window is 14190 twips wide, so colW = 2183.
    QTest::newRow("Arial 9 pt") << 201.09 << 201 << 100 << 100
                                << QList<QPoint> { { 603, 100 }, { 603, 6331 }, { 2786, 100 }, { 11518, 6331 } };
    QTest::newRow("half twip rounds to even")
        << 200.5 << 200 << 100 << 100 << QList<QPoint> { { 600, 100 }, { 600, 6300 }, { 2783, 100 }, { 11515, 6300 } };
    QTest::newRow("210 twips") << 210.0 << 210 << 105 << 105
                               << QList<QPoint> { { 630, 105 }, { 630, 6615 }, { 2813, 105 }, { 11545, 6615 } };
}

void TestIndexModel::listLayout()
{
    QFETCH(double, entryHeight);
    QFETCH(QList<QPoint>, positions);
    const ListLayout layout(entryHeight, 14190);
    QTEST(layout.rowH(), "rowH");
    QTEST(layout.top0(), "top0");
    QTEST(layout.h(), "h");
    QCOMPARE(layout.colW(), 2183);
    const int entries[] = { 0, 31, 32, 191 };
    for (int k = 0; k < 4; ++k)
        QCOMPARE(layout.entryPos(entries[k]), positions.at(k));
}

QTEST_APPLESS_MAIN(TestIndexModel)
#include "tst_indexmodel.moc"
