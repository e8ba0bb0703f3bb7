#include "app/commandwiring.h"
#include "app/helpcard.h"
#include "index/indexmarks.h"
#include "index/notespanel.h"
#include "index/stellarindexwindow.h"
#include "spaceview/spaceviewcanvas.h"
#include "spaceview/spaceviewwindow.h"
#include "support/mainwindowfixture.h"
#include "support/scenedots.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

// The main window with the Stellar Index, the 3D View and the find windows open together, driven
// through the windowing system as a user's keys and clicks arrive (a modal window would block them).
class TestWorkspace : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_fixture = std::make_unique<MainWindowFixture>();
        m_window = m_fixture->window();
        m_services = &m_fixture->services;
        QVERIFY(m_fixture->show());
    }
    void cleanup() { m_fixture.reset(); }

    // With the index open, the map scrolls by key and the 3-D view picks a star; the index shows
    // the pick (caption and notes) and the map's own keys go on working.
    void indexLeavesOtherWindowsWorking()
    {
        MapModel &model = m_window->model();
        m_window->showStellarIndex();
        StellarIndexWindow *index = m_window->stellarIndex();
        QVERIFY(QTest::qWaitForWindowExposed(index));
        m_window->menu().spaceViewAction->trigger();
        auto *space = m_window->findChild<SpaceViewWindow *>();
        QVERIFY(space && QTest::qWaitForWindowExposed(space));
        QVERIFY(index->isVisible());

        const int originX = model.view.originX;
        QTest::keyClick(m_window->windowHandle(), Qt::Key_Right);
        QCOMPARE(model.view.originX, originX + 1);

        SpaceViewCanvas *canvas = space->canvas();
        const SceneDot *dot = clearDot(canvas, model.view.selectedStar);
        QVERIFY(dot);
        const int star = dot->star;
        model.notes.setNotes(star, "picked GM", "picked player");
        const QPoint at = canvas->mapTo(space, dot->at.toPoint());
        QTest::mouseClick(space->windowHandle(), Qt::LeftButton, {}, at);
        QCOMPARE(model.view.selectedStar, star);
        QVERIFY(index->isVisible());
        QVERIFY(index->findChild<QLabel *>("sellabel")->text().contains((*model.stars)[star].starName));
        QCOMPARE(index->notes()->gameMasterNotes()->toPlainText(), QStringLiteral("picked GM"));
        QCOMPARE(index->notes()->playerNotes()->toPlainText(), QStringLiteral("picked player"));
    }

    // Save writes the file last saved or loaded without a dialog; Save As asks; the title names the
    // file and carries the mark while the map differs from it.
    void saveKnowsTheCampaign()
    {
        QVERIFY(m_dir.isValid());
        const QString campaign = m_dir.filePath("campaign.kmf"), other = m_dir.filePath("other.kmf");
        const MainMenu &menu = m_window->menu();
        QVERIFY(!m_window->isWindowModified());
        QTest::keyClick(m_window->windowHandle(), Qt::Key_Right);
        QVERIFY(m_window->isWindowModified());
        // The first save of a new run asks where, offering "mymap".
        m_services->answer = campaign;
        menu.saveStateAction->trigger();
        QCOMPARE(m_services->fileName, campaign);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("campaign.kmf[*] \u2014 Quorvane"));
        QVERIFY(!m_window->isWindowModified());

        QTest::keyClick(m_window->windowHandle(), Qt::Key_Down);
        QVERIFY(m_window->isWindowModified());
        const QByteArray before = contents(campaign);
        m_services->answer = other; // what a dialog would pick, were one shown
        menu.saveStateAction->trigger();
        QVERIFY(!QFile::exists(other));
        QVERIFY(contents(campaign) != before);
        QVERIFY(!m_window->isWindowModified());

        menu.saveStateAsAction->trigger();
        QVERIFY(QFile::exists(other));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("other.kmf[*] \u2014 Quorvane"));
        // Loading (Recent Files and the command line load the same way) makes the loaded file current.
        openStateFile(m_window->workspace(), campaign);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("campaign.kmf[*] \u2014 Quorvane"));
        QVERIFY(!m_window->isWindowModified());
        m_window->model().notes.setNotes(3, "new", "");
        m_window->refreshMap();
        QVERIFY(m_window->isWindowModified());
    }

    // Closing with unsaved changes asks; Save writes and closes, Don't Save closes, Cancel stays.
    void quitAsks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        QTest::newRow("Save") << int(MessageBox::Answer::Yes) << true << true;
        QTest::newRow("Don't Save") << int(MessageBox::Answer::No) << true << false;
        QTest::newRow("Cancel") << int(MessageBox::Answer::Cancel) << false << false;
    }
    void quitAsks()
    {
        QFETCH(int, answer);
        const QString campaign = m_dir.filePath(QStringLiteral("quit %1.kmf").arg(QTest::currentDataTag()));
        m_services->answer = campaign;
        m_window->menu().saveStateAction->trigger();
        // Nothing unsaved: the window would close at once, so no question is asked before a change.
        QVERIFY(m_services->shown.isEmpty());
        QTest::keyClick(m_window->windowHandle(), Qt::Key_Left);
        const QByteArray before = contents(campaign);
        m_services->button = MessageBox::Answer(answer);
        QTest::keyClick(m_window->windowHandle(), Qt::Key_Escape);
        QCOMPARE(m_services->shown,
            QStringList {
                QStringLiteral("Save changes to %1 before closing?|Quorvane|?").arg(QFileInfo(campaign).fileName()) });
        QTEST(!m_window->isVisible(), "closed");
        QTEST(contents(campaign) != before, "saved");
    }

    // Escape in a field, a list or a box leaves it, never the program.
    void escapeInFieldsKeepsTheProgram()
    {
        m_window->menu().findStarAction->trigger();
        auto *findStar = m_window->findChild<QLineEdit *>("findfield");
        QVERIFY(findStar && findStar->isVisible());
        QTest::keyClicks(findStar, "Sir");
        QTest::keyClick(findStar, Qt::Key_Escape);
        QVERIFY(!findStar->isVisible());

        m_window->menu().findNotesAction->trigger();
        for (const char *name : { "findnotesfield", "findnotesresults" }) {
            m_window->menu().findNotesAction->trigger();
            auto *field = m_window->findChild<QWidget *>(name);
            QVERIFY(field && field->isVisible());
            QTest::keyClick(field, Qt::Key_Escape);
            QVERIFY(!field->isVisible());
        }

        m_window->showStellarIndex();
        StellarIndexWindow *index = m_window->stellarIndex();
        for (QWidget *field : { static_cast<QWidget *>(index->findChild<QDoubleSpinBox *>("jumplimit")),
                 static_cast<QWidget *>(index->notes()->gameMasterNotes()),
                 static_cast<QWidget *>(index->notes()->playerNotes()) }) {
            QTest::keyClick(field, Qt::Key_Escape);
            QVERIFY(index->isVisible());
        }
        QVERIFY(m_window->isVisible());
    }

    // Help brings the help card back and lists the inputs, the marks explained as on the index entries.
    void helpMenu()
    {
        HelpCard *card = m_window->helpCard();
        QTest::mouseClick(card, Qt::LeftButton);
        QVERIFY(!card->isVisible());
        m_window->menu().quickStartAction->trigger();
        QVERIFY(card->isVisible());
        m_window->menu().keysAction->trigger();
        auto *keys = m_window->findChild<QMessageBox *>("keyshelpbox");
        QVERIFY(keys && keys->isVisible() && !keys->isModal());
        QVERIFY(keys->text().contains("Ctrl+Shift+S") && keys->text().contains(marksExplained()));
        QCOMPARE(m_window->stellarIndex()->findChild<QLabel *>("fullist3")->toolTip(), marksExplained());
    }

    // The sequence after which the program once ended without a word: atlas exports in both editions
    // with the 3D View open, then Display Options. Each export says where it wrote; the program lives on.
    void atlasExportsThenDisplayOptions()
    {
        m_window->model().notes.setNotes(165, "Sol GM", "Sol player");
        m_window->model().notes.setNotes(169, "Tau GM", "");
        m_window->refreshMap();
        m_window->menu().spaceViewAction->trigger();
        for (const char *edition : { "atlasgm", "atlasplayer", "atlasgm", "atlasplayer" }) {
            const QString file = m_dir.filePath(QStringLiteral("%1-%2.pdf").arg(edition).arg(m_services->shown.size()));
            m_services->answer = file;
            QTimer::singleShot(0, this, [edition] {
                auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
                QVERIFY(dialog && dialog->objectName() == "atlasdialog");
                dialog->findChild<QRadioButton *>(edition)->setChecked(true);
                dialog->accept();
            });
            m_window->menu().exportAtlasAction->trigger();
            QVERIFY(contents(file).startsWith("%PDF"));
            QCOMPARE(m_services->shown.last(),
                QStringLiteral("The atlas has been written to %1|Export Atlas|?").arg(QDir::toNativeSeparators(file)));
        }
        m_window->menu().displayOptionsAction->trigger();
        auto *options = m_window->findChild<QDialog *>("dispoptions");
        QVERIFY(options && options->isVisible());
        QTest::mouseClick(options->findChild<QPushButton *>("OKButton"), Qt::LeftButton);
        QVERIFY(!options->isVisible());
        QTest::qWait(50);
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->model().view.selectedStar, 165);
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<MainWindowFixture> m_fixture;
    MainWindow *m_window = nullptr;
    ScriptedServices *m_services = nullptr;
};

QTEST_MAIN(TestWorkspace)
#include "tst_workspace.moc"
