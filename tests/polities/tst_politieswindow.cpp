#include "app/politieswiring.h"
#include "app/revealwiring.h"
#include "index/stellarindexwindow.h"
#include "politiesview/politieswindow.h"
#include "support/mainwindowfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include <memory>

// The Polities window over the real main window: each change is one named undo step that undo
// takes back, and the Stellar Index names the selected star's polity.
class TestPolitiesWindow : public QObject
{
    Q_OBJECT
private:
    Polities &polities() { return m_main->model().campaign.polities; }
    QString undoText() const { return m_main->menu().undoAction->text(); }
    template <typename T>
    T *child(const char *name)
    {
        return m_window->findChild<T *>(QString::fromLatin1(name));
    }
    void click(const char *name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    void undo() { m_main->menu().undoAction->trigger(); }

private slots:
    void init()
    {
        m_fixture = std::make_unique<MainWindowFixture>();
        m_main = m_fixture->window();
        m_main->menu().politiesAction->trigger();
        m_window = &politiesWindow(m_main->workspace());
        QVERIFY(m_window->isVisible());
    }
    void cleanup() { m_fixture.reset(); }

    void eachEditIsANamedUndoStep()
    {
        click("newpolity");
        QCOMPARE(polities().list.size(), size_t(1));
        QCOMPARE(polities().list[0].name, QStringLiteral("Polity 1"));
        QCOMPARE(undoText(), QStringLiteral("Undo New Polity"));
        QCOMPARE(m_window->currentPolity(), 0);

        auto *name = child<QLineEdit>("polityname");
        name->setText(QStringLiteral("Concordat"));
        emit name->editingFinished();
        QCOMPARE(polities().list[0].name, QStringLiteral("Concordat"));
        QCOMPARE(undoText(), QStringLiteral("Undo Rename Polity"));

        child<QDoubleSpinBox>("claimradius")->setValue(7.5);
        QCOMPARE(polities().list[0].claimRadius, 7.5);
        child<QCheckBox>("polityknown")->setChecked(true);
        QVERIFY(polities().list[0].knownToPlayers);
        QCOMPARE(undoText(), QStringLiteral("Undo Mark Polity Known"));

        m_window->setColourChooser([](const QColor &) { return QColor(0x12, 0x34, 0x56); });
        click("politycolour");
        QCOMPARE(polities().list[0].colour, quint32(0x123456));
        m_window->setColourChooser([](const QColor &) { return QColor(); }); // cancelled
        click("politycolour");
        QCOMPARE(undoText(), QStringLiteral("Undo Recolour Polity"));

        // Undo takes each step back in turn and the window follows.
        undo();
        QCOMPARE(polities().list[0].colour, quint32(0x3366CC)); // the colour the first new polity takes
        undo();
        undo();
        QCOMPARE(polities().list[0].claimRadius, Polity::kDefaultClaimRadius);
        QCOMPARE(child<QDoubleSpinBox>("claimradius")->value(), Polity::kDefaultClaimRadius);
        undo();
        QCOMPARE(child<QLineEdit>("polityname")->text(), QStringLiteral("Polity 1"));
        undo();
        QVERIFY(polities().list.empty());
        QCOMPARE(m_window->currentPolity(), int(Polities::kNone));
    }

    void starsAreAssignedOnceAndNamedInTheIndex()
    {
        click("newpolity");
        click("newpolity");
        const int sol = StarTable::kSol; // selected at start-up
        m_window->setCurrentPolity(0);
        click("assignselected");
        QCOMPARE(polities().memberOf[size_t(sol)], 0);
        QCOMPARE(
            m_main->stellarIndex()->findChild<QLabel *>("politylabel")->text(), QStringLiteral("Polity: Polity 1"));
        // The stars within 5 ly go to the second polity, Sol with them: a star belongs to one at most.
        m_window->setCurrentPolity(1);
        child<QDoubleSpinBox>("assignradius")->setValue(5.0);
        click("assignwithin");
        QCOMPARE(polities().memberOf[size_t(sol)], 1);
        QCOMPARE(std::count(polities().memberOf.begin(), polities().memberOf.end(), 0), 0L);
        QCOMPARE(std::count(polities().memberOf.begin(), polities().memberOf.end(), 1), 4L);
        QCOMPARE(undoText(), QStringLiteral("Undo Assign Stars to Polity"));
        click("releasestar");
        QCOMPARE(polities().memberOf[size_t(sol)], int(Polities::kNone));
        QVERIFY(m_main->stellarIndex()->findChild<QLabel *>("politylabel")->text().isEmpty());
        undo();
        undo();
        QCOMPARE(polities().memberOf[size_t(sol)], 0);
        // Deleting the first polity moves the second up; its stars stay with it.
        m_main->menu().redoAction->trigger();
        m_window->setCurrentPolity(0);
        click("deletepolity");
        QCOMPARE(polities().list.size(), size_t(1));
        QCOMPARE(std::count(polities().memberOf.begin(), polities().memberOf.end(), 0), 4L);
        QCOMPARE(undoText(), QStringLiteral("Undo Delete Polity"));
    }

    // The right-click menu on a star moves it between polities as one undoable command.
    void starMenuAssignsThePolity()
    {
        click("newpolity");
        click("newpolity");
        const int star = 12;
        const auto choose = [&](const QString &caption) {
            const std::unique_ptr<QMenu> menu = revealWiring(m_main->workspace()).starMenu().build(star, nullptr);
            auto *section = menu->findChild<QMenu *>(QStringLiteral("politymenu"));
            QVERIFY(section);
            for (QAction *action : section->actions())
                if (action->text() == caption) {
                    action->trigger();
                    return;
                }
            QFAIL(qPrintable(caption + QStringLiteral(" is not in the polity menu")));
        };
        choose(QStringLiteral("Polity 2"));
        QCOMPARE(polities().memberOf[size_t(star)], 1);
        QCOMPARE(undoText(), QStringLiteral("Undo Assign Star to Polity"));
        const std::unique_ptr<QMenu> menu = revealWiring(m_main->workspace()).starMenu().build(star, nullptr);
        const QList<QAction *> entries = menu->findChild<QMenu *>(QStringLiteral("politymenu"))->actions();
        QVERIFY(entries[1]->isChecked() && !entries[0]->isChecked());
        choose(QStringLiteral("None"));
        QCOMPARE(polities().memberOf[size_t(star)], int(Polities::kNone));
        undo();
        QCOMPARE(polities().memberOf[size_t(star)], 1);
    }

private:
    std::unique_ptr<MainWindowFixture> m_fixture;
    MainWindow *m_main = nullptr;
    PolitiesWindow *m_window = nullptr;
};

QTEST_MAIN(TestPolitiesWindow)
#include "tst_politieswindow.moc"
