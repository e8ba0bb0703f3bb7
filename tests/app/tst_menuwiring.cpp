#include "app/commandwiring.h"
#include "app/mainwindow.h"
#include "app/splashwindow.h"
#include "export/resolutionchooser.h"
#include "files/commondialog.h"
#include "files/messagebox.h"
#include "output/clipboard.h"
#include "output/printdialog.h"

#include <QAction>
#include <QRegularExpression>
#include <QtTest>

namespace {

// Every service the File menu's commands use, logging which one was asked for what. Dialogs are
// cancelled, so each command stops after its first question.
class Services : public CommonDialog, public MessageBox, public Clipboard, public PrintDialog, public ResolutionChooser
{
public:
    QStringList log;
    bool ShowSave() override { return record("save " + DialogTitle); }
    bool ShowOpen() override { return record("open " + DialogTitle); }
    bool ShowPrinter(QWidget *, QPrinter &) override { return record("printer"); }
    Answer show(const QString &, const QString &title, Buttons, Icon) override
    {
        log << "message " + title;
        return Answer::Ok;
    }
    void setText(const QString &text) override { log << "clipboard " + text.section(QRegularExpression(" \\d"), 0, 0); }
    int chooseDpi() override
    {
        log << "dpi";
        return 0;
    }

private:
    bool record(const QString &entry)
    {
        log << entry;
        return false;
    }
};

using MenuAction = QAction *MainMenu::*;

} // namespace

Q_DECLARE_METATYPE(MenuAction)

// Each menu command runs its own command and no other; "redraw" marks each drawing of the map.
class TestMenuWiring : public QObject
{
    Q_OBJECT
public:
    TestMenuWiring()
    {
        m_window.startUp();
        QObject::connect(&m_window, &MainWindow::mapDrawn, [this] { m_services.log << "redraw"; });
    }

private slots:
    void eachActionRunsItsCommand_data()
    {
        QTest::addColumn<MenuAction>("action");
        QTest::addColumn<QStringList>("ran");
        const QString sent = "message Clipboard Ready";
        QTest::newRow("sfile") << &MainMenu::saveStateAction << QStringList { "save Save Game State" };
        QTest::newRow("fload") << &MainMenu::loadStateAction << QStringList { "open Load Game State" };
        QTest::newRow("splayer") << &MainMenu::savePlayerAction << QStringList { "save Save Player Game State" };
        QTest::newRow("lplayer") << &MainMenu::loadPlayerAction << QStringList { "open Load Player Map" };
        QTest::newRow("pfile") << &MainMenu::printAction << QStringList { "printer", "redraw" };
        QTest::newRow("nprint") << &MainMenu::copyAllNotesAction
                                << QStringList { "clipboard VQA Game Master Notes and Player Notes", sent };
        QTest::newRow("npprint") << &MainMenu::copyPlayerNotesAction
                                 << QStringList { "clipboard VQA Player Notes", sent };
        QTest::newRow("exportmap") << &MainMenu::exportMapAction << QStringList { "save Export Map" };
        QTest::newRow("exporthandout") << &MainMenu::exportHandoutAction
                                       << QStringList { "save Export Player Handout" };
        // In this order: no route yet to copy; Sol to the second star, star 0, drawn then reported; cleared.
        QTest::newRow("rprint") << &MainMenu::copyRouteAction << QStringList { "message Plot Route" };
        QTest::newRow("plotroutemenu") << &MainMenu::plotRouteAction << QStringList { "redraw", "message Plot Route" };
        QTest::newRow("clearroutemenu") << &MainMenu::clearRouteAction << QStringList { "redraw" };
    }
    void eachActionRunsItsCommand()
    {
        QFETCH(MenuAction, action);
        m_services.log.clear();
        (m_window.menu().*action)->trigger();
        QTEST(m_services.log, "ran");
    }

private:
    SplashWindow m_splash;
    Services m_services;
    CommandServices m_wiring { m_services, m_services, m_services, m_services, m_services };
    MainWindow m_window { &m_splash, &m_wiring };
};

QTEST_MAIN(TestMenuWiring)
#include "tst_menuwiring.moc"
