#include "index/stellarindexwindow.h"
#include "mapview/mapmodel.h"
#include "mapview/paintersurface.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The Stellar Index window on its own, with a stand-in for the main window's redraw that hands back
// the marks the star pass would return.
class TestStellarIndexWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void designControls_data();
    void designControls();
    void tabOrder();
    void listGeometry();
    void entryClicks_data();
    void entryClicks();
    void savedNotesShowN();
    void emptyBoxesKeepNotes();
    void colourButtons();
    void hidingKeepsEverything();
    void generateNeedsSelection();

private:
    void redraw();
    QLabel *entry(int i) const { return m_window->findChild<QLabel *>(QStringLiteral("fullist%1").arg(i)); }
    QPushButton *button(const char *name) const { return m_window->findChild<QPushButton *>(name); }
    QRect twipsToPixels(int left, int top, int width, int height) const;
    // Dark pixels in a rectangle of twips on the rendered window.
    int darkPixels(const QRect &twips);

    StarTable m_stars = StarTable::fromCatalogue();
    std::unique_ptr<MapModel> m_model;
    std::unique_ptr<StellarIndexWindow> m_window;
    int m_redraws = 0;
};

void TestStellarIndexWindow::init()
{
    m_model = std::make_unique<MapModel>(m_stars);
    m_window = std::make_unique<StellarIndexWindow>(*m_model, nullptr);
    m_window->buildList();
    m_window->setColourCaptions(DisplayOptions::colourCaptions());
    m_redraws = 0;
    connect(m_window.get(), &StellarIndexWindow::redrawRequested, this, &TestStellarIndexWindow::redraw);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestStellarIndexWindow::cleanup()
{
    m_window.reset();
    m_model.reset();
}

void TestStellarIndexWindow::redraw()
{
    ++m_redraws;
    m_model->options.readInto(m_model->view);
    m_model->view.clamporigin();
    const ViewState &view = m_model->view;
    MapFrame frame;
    for (int i = 0; i < m_stars.size(); ++i) {
        IndexEntryMark mark;
        mark.border = i == view.selstar || i == view.diststar;
        mark.textColour = i == view.diststar ? 0xFF0000 : i == view.selstar ? 0x0000FF : 0;
        mark.dotColour = 0x00FF00 + static_cast<Colour>(i);
        mark.mark = m_stars[i].mark.trimmed();
        mark.hasNotes = m_model->notes.hasNotes(i);
        frame.index.push_back(mark);
    }
    if (view.selstar >= 0)
        frame.sellabel = QStringLiteral("selected %1").arg(view.selstar);
    m_window->applyFrame(frame);
}

QRect TestStellarIndexWindow::twipsToPixels(int left, int top, int width, int height) const
{
    const double sx = m_window->logicalDpiX() / 1440.0;
    const double sy = m_window->logicalDpiY() / 1440.0;
    return QRect(QPoint(qRound(left * sx), qRound(top * sy)),
        QPoint(qRound((left + width) * sx) - 1, qRound((top + height) * sy) - 1));
}

int TestStellarIndexWindow::darkPixels(const QRect &twips)
{
    const QImage image = m_window->grab().toImage();
    const QRect area = twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height());
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 96;
    return dark;
}

void TestStellarIndexWindow::designControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twips");

    QTest::newRow("sellabel") << "sellabel"
                              << "Selected System" << QRect(180, 6540, 13875, 375);
    QTest::newRow("Label3") << "Label3"
                            << "GM Notes" << QRect(180, 6960, 3435, 375);
    QTest::newRow("Label4") << "Label4"
                            << "Player Notes" << QRect(7260, 6960, 3435, 375);
    QTest::newRow("gmnotes") << "gmnotes"
                             << "" << QRect(180, 7380, 6855, 2355);
    QTest::newRow("plnotes") << "plnotes"
                             << "" << QRect(7260, 7380, 6735, 2355);
}

void TestStellarIndexWindow::designControls()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);
    QCOMPARE(m_window->objectName(), QStringLiteral("Form3"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Stellar Index"));
    QCOMPARE(m_window->windowModality(), Qt::ApplicationModal);
    QCOMPARE(m_window->size(), twipsToPixels(0, 0, 14190, 10350).size());
    QWidget *control = m_window->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height()));
    if (auto *label = qobject_cast<QLabel *>(control)) {
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->font().pointSizeF(), 14.25);
    }
}

void TestStellarIndexWindow::tabOrder()
{
    const QStringList expected { "Command1", "gmnotes", "plnotes", "SIC0", "SIC1", "SIC2", "SIC3", "savenotes",
        "generate" };
    QStringList chain;
    QWidget *widget = m_window->findChild<QWidget *>("Command1");
    for (int i = 0; i < expected.size(); ++i) {
        chain << widget->objectName();
        do
            widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus || widget->parentWidget() != m_window.get());
    }
    QCOMPARE(chain, expected);
    const QStringList captions { "Z Co-ordinate", "Spectral Type", "Distance From Selected Star",
        "Spheres of Development", "Save System Notes", "Generate System" };
    // The bottom row: in order, not overlapping, every caption fits its button.
    QRect previous = button("Command1")->geometry();
    QCOMPARE(button("Command1")->text(), QStringLiteral("Exit Stellar Index"));
    for (int i = 3; i < expected.size(); ++i) {
        QPushButton *b = button(qPrintable(expected.at(i)));
        QCOMPARE(b->text(), captions.at(i - 3));
        QVERIFY(b->width() >= b->sizeHint().width());
        QCOMPARE(b->y(), previous.y());
        QVERIFY(i == 3 || b->x() > previous.right());
        previous = b->geometry();
    }
    QVERIFY(button("generate")->geometry().right() < button("Command1")->x());
}

void TestStellarIndexWindow::listGeometry()
{
    QCOMPARE(m_window->findChildren<QLabel *>(QRegularExpression("^fullist\\d+$")).size(), 192);
    QCOMPARE(entry(0)->text(), m_stars[0].starname);
    QCOMPARE(entry(191)->text(), m_stars[191].starname);
    // Arial 9 pt is 201 twips high: rows of 201 twips from 100, columns of 2183 twips from 603.
    QCOMPARE(m_window->listLayout().rowH(), 201);
    const QList<std::pair<int, QPoint>> places
        = { { 0, { 603, 100 } }, { 31, { 603, 6331 } }, { 32, { 2786, 100 } }, { 191, { 11518, 6331 } } };
    for (const auto &[i, twips] : places) {
        QCOMPARE(entry(i)->pos(), twipsToPixels(twips.x(), twips.y(), 0, 0).topLeft());
        QCOMPARE(entry(i)->height(), twipsToPixels(0, twips.y(), 0, 201).height());
    }
    QSet<int> columns;
    for (int i = 0; i < 192; ++i)
        columns.insert(entry(i)->x());
    QCOMPARE(columns.size(), 6);
    // The last row stays clear of the caption below the list.
    QVERIFY(entry(31)->geometry().bottom() < m_window->findChild<QLabel *>("sellabel")->y());
}

void TestStellarIndexWindow::entryClicks_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("redraws");
    QTest::addColumn<int>("selstar");
    QTest::addColumn<int>("diststar");
    QTest::addColumn<QPoint>("origin");

    QTest::newRow("left") << int(Qt::LeftButton) << 1 << 111 << 0 << QPoint(-1, -25);
    QTest::newRow("right") << int(Qt::RightButton) << 1 << 165 << 111 << QPoint(-7, -7);
    QTest::newRow("middle") << int(Qt::MiddleButton) << 0 << 165 << 0 << QPoint(-7, -7);
}

void TestStellarIndexWindow::entryClicks()
{
    QFETCH(int, button);
    QFETCH(int, selstar);
    QFETCH(int, diststar);
    // The boxes show the notes of the selected star after any click.
    m_model->notes.setText(111, "Tarn GM" + QString(NotesStore::kSeparator) + "Tarn player");
    m_model->notes.setText(165, "Sol GM" + QString(NotesStore::kSeparator) + "Sol player");
    redraw();
    m_redraws = 0;
    QTest::mouseClick(entry(111), Qt::MouseButton(button));
    QTEST(m_redraws, "redraws");
    QCOMPARE(m_model->view.selstar, selstar);
    QCOMPARE(m_model->view.diststar, diststar);
    QTEST(QPoint(m_model->view.xorg, m_model->view.yorg), "origin");
    QCOMPARE(m_window->gmnotes()->toPlainText(), selstar == 111 ? "Tarn GM" : "Sol GM");
    QCOMPARE(m_window->plnotes()->toPlainText(), selstar == 111 ? "Tarn player" : "Sol player");

    // The marks of the last redraw: selected red, second blue, both borders, the others plain.
    const QList<std::pair<int, QColor>> colours = { { selstar, Qt::red }, { diststar, Qt::blue }, { 112, Qt::black } };
    for (const auto &[star, colour] : colours) {
        QCOMPARE(entry(star)->palette().color(QPalette::Text), colour);
        QCOMPARE(entry(star)->frameShape(), star == 112 ? QFrame::NoFrame : QFrame::Box);
    }
    // A right click on the selected star makes it both: blue wins.
    QTest::mouseClick(entry(selstar), Qt::RightButton);
    QCOMPARE(entry(selstar)->palette().color(QPalette::Text), QColor(Qt::blue));
    QCOMPARE(m_window->findChild<QLabel *>("sellabel")->text(), QStringLiteral("selected %1").arg(selstar));
}

void TestStellarIndexWindow::savedNotesShowN()
{
    redraw();
    const ListLayout &layout = m_window->listLayout();
    const QPoint tarn = layout.entryPos(111);
    const QRect nArea(tarn.x() - 350, tarn.y(), 150, layout.rowH()); // from Left - 3.5 h, clear of the dot
    QCOMPARE(darkPixels(nArea), 0);
    // The dot of each star in its colour, centred left of the entry.
    const QImage image = m_window->grab().toImage();
    const QPoint dot = twipsToPixels(tarn.x() - 120, tarn.y() + 100, 0, 0).topLeft();
    QCOMPARE(image.pixelColor(dot), PainterSurface::toQColor(0x00FF00 + 111));

    QTest::mouseClick(entry(111), Qt::LeftButton);
    QTest::keyClicks(m_window->plnotes(), "Beware");
    const int before = m_redraws;
    QTest::mouseClick(button("savenotes"), Qt::LeftButton);
    QCOMPARE(m_redraws, before + 1);
    QCOMPARE(m_model->notes.text(111), QString(NotesStore::kSeparator) + "Beware");
    QVERIFY(darkPixels(nArea) > 10);
    // "R" beside Tarn, nothing beside Vell, "*" beside Sol.
    const int markLeft = qRound(entry(0)->width() * 1440.0 / m_window->logicalDpiX()) + 500;
    const auto markArea = [&](int star) {
        const QPoint pos = layout.entryPos(star);
        return QRect(pos.x() + markLeft, pos.y(), 300, layout.rowH());
    };
    QVERIFY(darkPixels(markArea(111)) > 5);
    QCOMPARE(darkPixels(markArea(112)), 0);
    QVERIFY(darkPixels(markArea(165)) > 5);
}

void TestStellarIndexWindow::emptyBoxesKeepNotes()
{
    const QString stored = "kept" + QString(NotesStore::kSeparator) + "notes";
    m_model->notes.setText(165, stored);
    m_window->gmnotes()->clear();
    m_window->plnotes()->clear();
    QTest::mouseClick(button("savenotes"), Qt::LeftButton);
    QCOMPARE(m_redraws, 0);
    QCOMPARE(m_model->notes.text(165), stored);
    // A separator typed into the game-master box splits there once saved.
    m_window->gmnotes()->setPlainText("north" + QString(NotesStore::kSeparator) + "south");
    QTest::mouseClick(button("savenotes"), Qt::LeftButton);
    m_window->getnotes();
    QCOMPARE(m_window->gmnotes()->toPlainText(), QStringLiteral("north"));
    QCOMPARE(m_window->plnotes()->toPlainText(), QStringLiteral("south"));
}

void TestStellarIndexWindow::colourButtons()
{
    QSignalSpy optionsChanged(m_window.get(), &StellarIndexWindow::optionsChanged);
    for (int i : { 2, 0, 3, 1 }) {
        QTest::mouseClick(button(qPrintable(QStringLiteral("SIC%1").arg(i))), Qt::LeftButton);
        QCOMPARE(m_model->options.colourCode, i);
        QCOMPARE(m_model->view.colmode, i);
    }
    QCOMPARE(m_redraws, 4);
    QCOMPARE(optionsChanged.size(), 4);
}

void TestStellarIndexWindow::hidingKeepsEverything()
{
    QPointer<StellarIndexWindow> window(m_window.get());
    m_window->gmnotes()->setPlainText("saved");
    QTest::mouseClick(button("savenotes"), Qt::LeftButton);
    m_window->plnotes()->setPlainText("typed, not saved");
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    QVERIFY(!m_window->isVisible());
    m_window->show();
    QVERIFY(m_window->close());
    QVERIFY(!m_window->isVisible());
    m_window->show();
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    QVERIFY(!m_window->isVisible());
    QVERIFY(!window.isNull());
    QCOMPARE(m_window->gmnotes()->toPlainText(), QStringLiteral("saved"));
    QCOMPARE(m_window->plnotes()->toPlainText(), QStringLiteral("typed, not saved"));
    QCOMPARE(m_model->notes.text(165), "saved" + QString(NotesStore::kSeparator));
    QCOMPARE(m_window->findChildren<QLabel *>(QRegularExpression("^fullist\\d+$")).size(), 192);
}

void TestStellarIndexWindow::generateNeedsSelection()
{
    QSignalSpy generate(m_window.get(), &StellarIndexWindow::generateSystemRequested);
    m_model->view.selstar = -1;
    redraw();
    QVERIFY(!button("generate")->isEnabled());
    // No selected star: the boxes empty and saving stores nothing.
    m_window->gmnotes()->setPlainText("lost");
    m_window->getnotes();
    QCOMPARE(m_window->gmnotes()->toPlainText(), QString());
    m_window->gmnotes()->setPlainText("nowhere");
    QTest::mouseClick(button("savenotes"), Qt::LeftButton);
    QCOMPARE(m_redraws, 1);
    QTest::mouseClick(entry(20), Qt::LeftButton);
    QVERIFY(button("generate")->isEnabled());
    QTest::mouseClick(button("generate"), Qt::LeftButton);
    QCOMPARE(generate.size(), 1);
}

QTEST_MAIN(TestStellarIndexWindow)
#include "tst_stellarindexwindow.moc"
