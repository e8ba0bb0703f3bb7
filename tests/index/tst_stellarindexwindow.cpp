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
    void cleanup() { m_window.reset(); }
    void designControls_data();
    void designControls();
    void tabOrderAndButtonRow();
    void listGeometry();
    void entryClicks_data();
    void entryClicks();
    void savedNotesShowN();
    void colourButtons();
    void hidingKeepsEverything();
    void generateSystemFillsTheBoxOnly();

private:
    void redraw();
    QLabel *entry(int i) const { return m_window->findChild<QLabel *>(QStringLiteral("fullist%1").arg(i)); }
    QPushButton *button(const QString &name) const { return m_window->findChild<QPushButton *>(name); }
    // Twips at the window's logical resolution, 1440 to the inch.
    QRect pixels(const QRect &twips) const;
    int darkPixels(const QRect &twips) const;

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

void TestStellarIndexWindow::redraw()
{
    ++m_redraws;
    m_model->options.readInto(m_model->view);
    m_model->view.clamporigin();
    const ViewState &view = m_model->view;
    MapFrame frame;
    for (int i = 0; i < m_stars.size(); ++i) {
        const bool sel = i == view.selstar;
        const bool dist = i == view.diststar;
        frame.index.push_back({ sel || dist,
            dist      ? 0xFF0000u
                : sel ? 0x0000FFu
                      : 0u,
            0x00FF00u + i, m_stars[i].mark.trimmed(), m_model->notes.hasNotes(i) });
    }
    if (view.selstar >= 0)
        frame.sellabel = QStringLiteral("selected %1").arg(view.selstar);
    m_window->applyFrame(frame);
}

QRect TestStellarIndexWindow::pixels(const QRect &twips) const
{
    const double sx = m_window->logicalDpiX() / 1440.0;
    const double sy = m_window->logicalDpiY() / 1440.0;
    return QRect(QPoint(qRound(twips.left() * sx), qRound(twips.top() * sy)),
        QPoint(qRound((twips.left() + twips.width()) * sx), qRound((twips.top() + twips.height()) * sy)))
        .adjusted(0, 0, -1, -1);
}

int TestStellarIndexWindow::darkPixels(const QRect &twips) const
{
    const QImage image = m_window->grab().toImage();
    const QRect area = pixels(twips);
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
    QTest::newRow("window") << "Form3"
                            << "Stellar Index" << QRect(0, 0, 14190, 10350);
}

void TestStellarIndexWindow::designControls()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);
    QWidget *control = name == "Form3" ? m_window.get() : m_window->findChild<QWidget *>(name);
    QCOMPARE(control->objectName(), name);
    QCOMPARE(control->isWindow() ? QRect(QPoint(), control->size()) : control->geometry(), pixels(twips));
    if (auto *label = qobject_cast<QLabel *>(control)) {
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->font().pointSizeF(), 14.25);
    }
    if (control->isWindow()) {
        QCOMPARE(control->windowTitle(), caption);
        QCOMPARE(control->windowModality(), Qt::ApplicationModal);
    }
}

void TestStellarIndexWindow::tabOrderAndButtonRow()
{
    const QStringList order { "Command1", "gmnotes", "plnotes", "SIC0", "SIC1", "SIC2", "SIC3", "savenotes",
        "generate" };
    QStringList chain;
    for (QWidget *w = button("Command1"); chain.size() < order.size(); w = w->nextInFocusChain())
        if (w->focusPolicy() != Qt::NoFocus && w->parentWidget() == m_window.get())
            chain << w->objectName();
    QCOMPARE(chain, order);
    // The bottom row from left to right, every caption fitting its button, the exit button last.
    const QStringList captions { "Z Co-ordinate", "Spectral Type", "Distance From Selected Star",
        "Spheres of Development", "Save System Notes", "Generate System", "Exit Stellar Index" };
    QStringList row = order.mid(3) << "Command1";
    int right = 0;
    for (int i = 0; i < row.size(); ++i) {
        QPushButton *b = button(row.at(i));
        QCOMPARE(b->text(), captions.at(i));
        QVERIFY(b->width() >= b->sizeHint().width() && b->x() > right && b->y() == button("SIC0")->y());
        right = b->geometry().right();
    }
    QVERIFY(right < m_window->width());
}

void TestStellarIndexWindow::listGeometry()
{
    QCOMPARE(m_window->findChildren<QLabel *>(QRegularExpression("^fullist\\d+$")).size(), 192);
    QCOMPARE(entry(191)->text(), m_stars[191].starname);
    // Arial 9 pt is 201 twips high: rows of 201 twips from 100, columns of 2183 twips from 603.
    const QList<std::pair<int, QPoint>> places
        = { { 0, { 603, 100 } }, { 31, { 603, 6331 } }, { 32, { 2786, 100 } }, { 191, { 11518, 6331 } } };
    for (const auto &[i, twips] : places) {
        const QRect expected = pixels(QRect(twips, QSize(0, 201)));
        QCOMPARE(entry(i)->pos(), expected.topLeft());
        QCOMPARE(entry(i)->height(), expected.height());
    }
    QSet<int> columns;
    for (int i = 0; i < 192; ++i)
        columns.insert(entry(i)->x());
    QCOMPARE(columns.size(), 6);
    QVERIFY(entry(31)->geometry().bottom() < m_window->findChild<QLabel *>("sellabel")->y());
}

void TestStellarIndexWindow::entryClicks_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QList<int>>("after"); // redraws, selstar, diststar, xorg, yorg

    QTest::newRow("left") << int(Qt::LeftButton) << QList<int> { 1, 111, 0, -1, -25 };
    QTest::newRow("right") << int(Qt::RightButton) << QList<int> { 1, 165, 111, -7, -7 };
    QTest::newRow("middle") << int(Qt::MiddleButton) << QList<int> { 0, 165, 0, -7, -7 };
}

void TestStellarIndexWindow::entryClicks()
{
    QFETCH(int, button);
    QFETCH(QList<int>, after);
    m_model->notes.setText(111, "Tarn GM" + QString(NotesStore::kSeparator) + "Tarn player");
    m_model->notes.setText(165, "Sol GM" + QString(NotesStore::kSeparator) + "Sol player");
    redraw();
    m_redraws = 0;
    QTest::mouseClick(entry(111), Qt::MouseButton(button));
    const ViewState &view = m_model->view;
    QCOMPARE((QList<int> { m_redraws, view.selstar, view.diststar, view.xorg, view.yorg }), after);
    // The boxes show the selected star's notes after any button.
    const QString name = view.selstar == 111 ? "Tarn" : "Sol";
    QCOMPARE(m_window->gmnotes()->toPlainText(), name + " GM");
    QCOMPARE(m_window->plnotes()->toPlainText(), name + " player");
    // Selected red, second blue, both with a border, the others plain black.
    const QList<std::pair<int, QColor>> colours
        = { { view.selstar, Qt::red }, { view.diststar, Qt::blue }, { 112, Qt::black } };
    const QImage image = m_window->grab().toImage();
    for (const auto &[star, colour] : colours) {
        QCOMPARE(entry(star)->palette().color(QPalette::WindowText), colour);
        QCOMPARE(image.pixelColor(entry(star)->geometry().topRight() + QPoint(-1, 0)),
            QColor(star == 112 ? m_window->palette().color(QPalette::Window) : Qt::black));
    }
    // Right click on the selected star: it is both, and blue wins.
    QTest::mouseClick(entry(view.selstar), Qt::RightButton);
    QCOMPARE(entry(view.selstar)->palette().color(QPalette::WindowText), QColor(Qt::blue));
    QCOMPARE(m_window->findChild<QLabel *>("sellabel")->text(), QStringLiteral("selected %1").arg(view.selstar));
}

void TestStellarIndexWindow::savedNotesShowN()
{
    redraw();
    const ListLayout &layout = m_window->listLayout();
    const QPoint tarn = layout.entryPos(111);
    const QRect nArea(tarn.x() - 350, tarn.y(), 150, layout.rowH()); // from Left - 3.5 h, clear of the dot
    QCOMPARE(darkPixels(nArea), 0);
    // The dot in the star's colour, centred at (Left - 1.2 h, Top + h).
    const QPoint dot = pixels(QRect(tarn.x() - 120, tarn.y() + 100, 1, 1)).topLeft();
    QCOMPARE(m_window->grab().toImage().pixelColor(dot), PainterSurface::toQColor(0x00FF00 + 111));

    QTest::mouseClick(entry(111), Qt::LeftButton);
    QTest::keyClicks(m_window->plnotes(), "Beware");
    QTest::mouseClick(button("savenotes"), Qt::LeftButton);
    QCOMPARE(m_redraws, 3);
    QCOMPARE(m_model->notes.text(111), QString(NotesStore::kSeparator) + "Beware");
    QVERIFY(darkPixels(nArea) > 10);
    // Both boxes empty: nothing is stored, nothing redrawn, the "N" stays.
    m_window->plnotes()->clear();
    QTest::mouseClick(button("savenotes"), Qt::LeftButton);
    QCOMPARE(m_redraws, 3);
    QCOMPARE(m_model->notes.text(111), QString(NotesStore::kSeparator) + "Beware");
    QVERIFY(darkPixels(nArea) > 10);
    // "R" beside Tarn, "*" beside Sol, nothing beside Vell, right of the first column's names.
    const int markLeft = qRound(entry(0)->width() * 1440.0 / m_window->logicalDpiX()) + 500;
    for (int star : { 111, 165, 112 }) {
        const QPoint pos = layout.entryPos(star);
        QCOMPARE(darkPixels(QRect(pos.x() + markLeft, pos.y(), 300, layout.rowH())) > 5, star != 112);
    }
}

void TestStellarIndexWindow::colourButtons()
{
    QSignalSpy optionsChanged(m_window.get(), &StellarIndexWindow::optionsChanged);
    for (int i : { 2, 0, 3, 1 }) {
        QTest::mouseClick(button(QStringLiteral("SIC%1").arg(i)), Qt::LeftButton);
        QCOMPARE(m_model->view.colmode, i);
    }
    QCOMPARE(m_redraws, 4);
    QCOMPARE(optionsChanged.size(), 4);
}

void TestStellarIndexWindow::hidingKeepsEverything()
{
    m_window->gmnotes()->setPlainText("saved");
    QTest::mouseClick(button("savenotes"), Qt::LeftButton);
    m_window->plnotes()->setPlainText("typed, not saved");
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    QVERIFY(!m_window->isVisible());
    m_window->show();
    QVERIFY(m_window->close());
    QVERIFY(!m_window->isVisible() && !m_window->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(m_window->gmnotes()->toPlainText(), QStringLiteral("saved"));
    QCOMPARE(m_window->plnotes()->toPlainText(), QStringLiteral("typed, not saved"));
    QCOMPARE(m_model->notes.text(165), "saved" + QString(NotesStore::kSeparator));
}

void TestStellarIndexWindow::generateSystemFillsTheBoxOnly()
{
    m_window->show();
    m_window->gmnotes()->setPlainText("old\nnotes");
    QTest::mouseClick(button("generate"), Qt::LeftButton);
    const QString generated = m_window->gmnotes()->toPlainText();
    QVERIFY(generated.startsWith("Creating System\n"));
    QVERIFY(!generated.contains("old"));
    QVERIFY(!m_model->notes.hasNotes(165)); // nothing is kept until "Save System Notes"
    QTest::mouseClick(button("savenotes"), Qt::LeftButton);
    const QStringList parts = NotesStore::parts(m_model->notes.text(165));
    QVERIFY(parts.at(0).startsWith("Creating System\r\n") && !parts.at(0).contains(QRegularExpression("[^\r]\n")));
    // A white dwarf never gets a planet; without a selected star the button is off and does nothing.
    m_model->view.selstar = 51; // CC 658, class DA
    QTest::mouseClick(button("generate"), Qt::LeftButton);
    QCOMPARE(m_window->gmnotes()->toPlainText(), QStringLiteral("Creating System\n"));
    m_model->view.selstar = -1;
    redraw();
    QVERIFY(!button("generate")->isEnabled());
    m_window->gmnotes()->setPlainText("kept");
    m_window->generate_Click();
    QCOMPARE(m_window->gmnotes()->toPlainText(), QStringLiteral("kept"));
}

QTEST_MAIN(TestStellarIndexWindow)
#include "tst_stellarindexwindow.moc"
