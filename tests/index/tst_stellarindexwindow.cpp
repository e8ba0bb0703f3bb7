#include "index/indexentrylist.h"
#include "index/notespanel.h"
#include "index/stellarindexwindow.h"
#include "mapview/displayoptionsdialog.h"
#include "support/mainwindowfixture.h"

#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

// The Stellar Index window over the real main window, whose redraws hand it the marks.
class TestStellarIndexWindow : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_fixture = std::make_unique<MainWindowFixture>();
        m_main = m_fixture->window();
        m_main->refreshMap(); // startUp's redraw only hid the logo
        m_main->showStellarIndex();
        m_window = m_main->stellarIndex();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    void listGeometry()
    {
        QCOMPARE(m_window->findChildren<QLabel *>(QRegularExpression("^fullist\\d+$")).size(), 192);
        // Arial 9 pt is 201 twips high: rows of 201 twips from 100, columns of 2183 twips from 603.
        const std::pair<int, QPoint> places[]
            = { { 0, { 603, 100 } }, { 31, { 603, 6331 } }, { 32, { 2786, 100 } }, { 191, { 11518, 6331 } } };
        for (const auto &[i, twips] : places)
            QCOMPARE(place(i).topLeft(), pixels(twips));
    }

    void entryClicks_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QList<int>>("after"); // redraws, selectedStar, secondStar, originX, originY

        QTest::newRow("left") << int(Qt::LeftButton) << QList<int> { 1, 111, 0, -1, -25 };
        QTest::newRow("right") << int(Qt::RightButton) << QList<int> { 1, 165, 111, -7, -7 };
        QTest::newRow("middle") << int(Qt::MiddleButton) << QList<int> { 0, 165, 0, -7, -7 };
    }

    void entryClicks()
    {
        QFETCH(int, button);
        // The boxes show the selected star's two texts after any button, none for a text without parts.
        model().notes.setNotes(111, "Tarn \u00FF GM", "Tarn player");
        model().notes.setTextWithoutParts(165, "Sol notes");
        m_window->notes()->gameMasterNotes()->setPlainText("typed");
        const int before = m_main->redrawCount();
        QTest::mouseClick(entry(111), Qt::MouseButton(button));
        const ViewState &view = model().view;
        QTEST((QList<int> {
                  m_main->redrawCount() - before, view.selectedStar, view.secondStar, view.originX, view.originY }),
            "after");
        QCOMPARE(boxes(),
            view.selectedStar == 111 ? QStringList({ "Tarn \u00FF GM", "Tarn player" }) : QStringList({ "", "" }));
        // Selected red, second blue, both with a black border, the others plain black.
        const QImage image = m_window->grab().toImage();
        for (const auto &[i, colour] : { std::pair<int, QColor> { view.selectedStar, Qt::red },
                 { view.secondStar, Qt::blue }, { 112, Qt::black } }) {
            QCOMPARE(entry(i)->palette().color(QPalette::WindowText), colour);
            QCOMPARE(image.pixelColor(place(i).topRight() + QPoint(-1, 0)) == Qt::black, i != 112);
        }
        // Right click on the selected star: it is both, and blue wins.
        QTest::mouseClick(entry(view.selectedStar), Qt::RightButton);
        QCOMPARE(entry(view.selectedStar)->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QCOMPARE(m_window->findChild<QLabel *>("sellabel")->text(),
            QStringLiteral("The selected system is %1 and the distance to %1 is 0 LY").arg(name(view.selectedStar)));
    }

    void savedNotesShowN()
    {
        const int h = m_window->entryList()->layout().h(), rowH = m_window->entryList()->layout().rowH();
        const QPoint tarn = m_window->entryList()->layout().entryPos(111);
        const QRect nArea(tarn - QPoint(7 * h / 2, 0), QSize(3 * h / 2, rowH)); // clear of the dot
        QCOMPARE(darkPixels(nArea), 0);
        // The colour dot, centred 1.2 h left of the entry and h down.
        QVERIFY(m_window->grab().toImage().pixelColor(pixels(tarn + QPoint(-6 * h / 5, h)))
            != m_window->palette().color(QPalette::Window));
        QTest::mouseClick(entry(111), Qt::LeftButton);
        QTest::keyClicks(m_window->notes()->playerNotes(), "Beware");
        const int before = m_main->redrawCount();
        for (int i = 0; i < 2; ++i) { // the second time both boxes are empty: nothing changes, the "N" stays
            QTest::mouseClick(button("savenotes"), Qt::LeftButton);
            QCOMPARE(m_main->redrawCount(), before + 1);
            QCOMPARE(notes(111), QStringList({ "", "Beware" }));
            QVERIFY(darkPixels(nArea) > 10);
            m_window->notes()->playerNotes()->clear();
        }
        // "R" beside Tarn, "*" beside Sol, nothing beside Vell, right of the first column's names.
        const int markLeft = qRound(entry(0)->width() * 1440.0 / m_window->logicalDpiX()) + 500;
        for (int star : { 111, 165, 112 }) {
            const QPoint pos = m_window->entryList()->layout().entryPos(star) + QPoint(markLeft, 0);
            QCOMPARE(darkPixels(QRect(pos, QSize(300, rowH))) > 5, star != 112);
        }
    }

    void savingOverHiddenText_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("after"); // the star's game-master and player text
        QTest::newRow("no: the old text stays") << int(QMessageBox::No) << QStringList {}; // still without parts
        QTest::newRow("yes: the boxes are saved") << int(QMessageBox::Yes) << QStringList { "", "New" };
    }

    // Notes without the separator show as empty boxes; Save System Notes asks before it replaces
    // them with what was typed.
    void savingOverHiddenText()
    {
        QFETCH(int, answer);
        QFETCH(QStringList, after);
        model().notes.setTextWithoutParts(111, "Old text");
        QTest::mouseClick(entry(111), Qt::LeftButton);
        QCOMPARE(boxes(), QStringList({ "", "" }));
        QTest::keyClicks(m_window->notes()->playerNotes(), "New");
        QString asked;
        QTimer::singleShot(0, this, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                asked = box->text();
                box->button(QMessageBox::StandardButton(answer))->click();
            }
        });
        QTest::mouseClick(button("savenotes"), Qt::LeftButton);
        QVERIFY2(asked.startsWith("The notes of Tarn hold text that the boxes do not show"), qPrintable(asked));
        QCOMPARE(notes(111), after);
        QCOMPARE(model().notes.gameMasterText(111), answer == QMessageBox::Yes ? "" : "Old text");
    }

    // The player view lists the known stars' entries without gaps, marked as the players know them;
    // leaving it puts every entry back in its own place.
    void playerViewListsKnownStars()
    {
        for (int star : { 0, 5, 31, 40, 64, 100 })
            model().campaign.reveal.setState(star, Reveal::Hidden);
        model().campaign.reveal.setState(111, Reveal::Known);
        model().notes.setNotes(111, "gm", "not yet told");
        model().notes.setNotes(112, "", "told");
        model().notes.setNotes(113, "gm only", "");
        model().notes.setNotes(114, "", ""); // the separator alone, as a player map gives it
        // A Hidden star selected in the game master's view is not named once the players look.
        model().view.selectedStar = 5;
        m_main->refreshMap();
        const ListLayout &layout = m_window->entryList()->layout();
        const auto marked = [&](int k) {
            const QPoint at = layout.entryPos(k) - QPoint(7 * layout.h() / 2, 0);
            return darkPixels(QRect(at, QSize(3 * layout.h() / 2, layout.rowH()))) > 10;
        };
        // The game master sees "N" beside every star with notes, even two empty texts.
        for (const int star : { 111, 112, 113, 114 })
            QVERIFY2(marked(star), qPrintable(QString::number(star)));
        auto *caption = m_window->findChild<QLabel *>(QStringLiteral("sellabel"));
        QVERIFY(caption->text().contains(m_main->table()[5].starName));
        m_main->setViewAsPlayer(true);
        QCOMPARE(caption->text(), QStringLiteral("Selected System"));
        std::vector<int> known;
        for (int star = 0; star < 192; ++star)
            if (model().campaign.reveal.state(star) != Reveal::Hidden)
                known.push_back(star);
        for (int star = 0, k = 0; star < 192; ++star) {
            QCOMPARE(entry(star)->isVisible(), star == known[size_t(k)]);
            if (entry(star)->isVisible())
                QCOMPARE(place(star).topLeft(), pixels(layout.entryPos(k++)));
        }
        // "N" only beside the star whose notes the players may read.
        for (const int star : { 111, 112, 113, 114 }) {
            const auto k = std::find(known.begin(), known.end(), star) - known.begin();
            QVERIFY(k < qsizetype(known.size()));
            QCOMPARE(marked(int(k)), star == 112);
        }
        for (const int k : { 3, 40, 150 }) {
            QWidget *shown = m_window->childAt(pixels(layout.entryPos(k)) + QPoint(3, 3));
            QVERIFY(shown);
            QTest::mouseClick(shown, Qt::LeftButton);
            QCOMPARE(model().view.selectedStar, known[size_t(k)]);
        }
        m_main->setViewAsPlayer(false);
        for (int star = 0; star < 192; ++star)
            QVERIFY(entry(star)->isVisible() && place(star).topLeft() == pixels(layout.entryPos(star)));
    }

    void colourButtons()
    {
        const int before = m_main->redrawCount();
        const QWidget *options = m_main->displayOptionsDialog();
        for (int i : { 2, 0, 3, 1 }) {
            QTest::mouseClick(button(QStringLiteral("SIC%1").arg(i)), Qt::LeftButton);
            QCOMPARE(model().view.colourCode, i);
            QVERIFY(options->findChild<QRadioButton *>(QStringLiteral("col%1").arg(i + 1))->isChecked());
        }
        QCOMPARE(m_main->redrawCount(), before + 4);
    }

    void hidingKeepsEverything()
    {
        // Saved as typed: a non-breaking space stays one, line breaks become CR LF.
        m_window->notes()->gameMasterNotes()->setPlainText("saved\u00A0here\r\nline 2");
        QTest::mouseClick(button("savenotes"), Qt::LeftButton);
        m_window->notes()->playerNotes()->setPlainText("typed, not saved");
        QTest::keyClick(
            m_window->notes()->playerNotes(), Qt::Key_Escape); // only the exit button and the close box hide it
        QVERIFY(m_window->isVisible());
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
        QVERIFY(!m_window->isVisible());
        m_window->show();
        const QPointer<QWidget> alive(m_window);
        QVERIFY(m_window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(alive && !m_window->isVisible());
        QCOMPARE(boxes(), QStringList({ "saved here\nline 2", "typed, not saved" }));
        QCOMPARE(notes(165), QStringList({ "saved\u00A0here\r\nline 2", "" }));
    }

    void generateSystem()
    {
        m_window->notes()->gameMasterNotes()->setPlainText("old\nnotes");
        QTest::mouseClick(button("generate"), Qt::LeftButton);
        const QString generated = m_window->notes()->gameMasterNotes()->toPlainText();
        QVERIFY(generated.startsWith("Creating System\n") && !generated.contains("old"));
        QVERIFY(!model().notes.hasNotes(165)); // nothing is kept until "Save System Notes"

        // A white dwarf ("DA") has no planets: the box says only "Creating System" and a message says why.
        m_window->indexEntryPressed(m_fixture->star("CC 658"), 1);
        QTest::mouseClick(button("generate"), Qt::LeftButton);
        auto *none = m_window->findChild<QMessageBox *>("noplanets");
        QVERIFY(
            none && none->isVisible() && m_window->notes()->gameMasterNotes()->toPlainText() == "Creating System\n");
        QCOMPARE(none->text(), name(model().view.selectedStar) + " has no planets to generate.");
        none->close();

        // Without a selected star, generating, saving and a middle click do nothing but empty the boxes.
        model().view.selectedStar = -1;
        m_main->refreshMap();
        QVERIFY(!button("generate")->isEnabled());
        m_window->notes()->gameMasterNotes()->setPlainText("typed");
        m_window->notes()->generateSystem();
        QCOMPARE(boxes(), QStringList({ "typed", "" }));
        const int before = m_main->redrawCount();
        QTest::mouseClick(button("savenotes"), Qt::LeftButton);
        QTest::mouseClick(entry(0), Qt::MiddleButton);
        QCOMPARE(m_main->redrawCount(), before);
        QCOMPARE(boxes(), QStringList({ "", "" }));
    }

private:
    MapModel &model() const { return m_main->model(); }
    QStringList notes(int star) const
    {
        const NotesStore &n = model().notes;
        return n.hasParts(star) ? QStringList { n.gameMasterText(star), n.playerText(star) } : QStringList();
    }
    QStringList boxes() const
    {
        return { m_window->notes()->gameMasterNotes()->toPlainText(), m_window->notes()->playerNotes()->toPlainText() };
    }
    QString name(int star) const { return m_main->table()[star].starName; }
    QLabel *entry(int i) const { return m_window->findChild<QLabel *>(QStringLiteral("fullist%1").arg(i)); }
    // The entry's rectangle in the window.
    QRect place(int i) const { return QRect(entry(i)->mapTo(m_window, QPoint()), entry(i)->size()); }
    QPushButton *button(const QString &name) const { return m_window->findChild<QPushButton *>(name); }
    QPoint pixels(const QPoint &twips) const
    {
        const QPoint below(twips.x(), twips.y() + IndexDesign::kFilterRowTwips);
        return (QPointF(below) * m_window->logicalDpiY() / 1440.0).toPoint();
    }
    int darkPixels(const QRect &twips) const
    {
        const QImage image = m_window->grab().toImage();
        const QRect area(pixels(twips.topLeft()), pixels(twips.topLeft() + QPoint(twips.width(), twips.height())));
        int dark = 0;
        for (int y = area.top(); y < area.bottom(); ++y)
            for (int x = area.left(); x < area.right(); ++x)
                dark += qGray(image.pixel(x, y)) < 96;
        return dark;
    }

    std::unique_ptr<MainWindowFixture> m_fixture;
    MainWindow *m_main = nullptr;
    StellarIndexWindow *m_window = nullptr;
};

QTEST_MAIN(TestStellarIndexWindow)
#include "tst_stellarindexwindow.moc"
