#include "support/mainwindowfixture.h"

#include <QAction>
#include <QRegularExpression>
#include <QtTest>

namespace {

// Every service the File menu's commands use, logging which one was asked for what. Dialogs are
// cancelled, so each command stops after its first question.
class Services : public FileDialog, public MessageBox, public Clipboard, public PrintDialog, public ResolutionChooser
{
public:
    QStringList log;
    bool showSave() override { return record("save " + title); }
    bool showOpen() override { return record("open " + title); }
    bool showPrinter(QWidget *, QPrinter &) override { return record("printer"); }
    Answer show(const QString &, const QString &title, Buttons, Icon) override
    {
        record("message " + title);
        return Answer::Ok;
    }
    void setText(const QString &text) override { log << "clipboard " + text.section(QRegularExpression(" \\d"), 0, 0); }
    int chooseDpi(const QString &title) override { return int(record("dpi " + title)); } // 0: cancelled

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
        m_window.model().view.secondStarChosen = true; // star 0 as the destination
        QObject::connect(m_window.window(), &MainWindow::mapDrawn, [this] { m_services.log << "redraw"; });
    }

private slots:
    void eachActionRunsItsCommand_data()
    {
        QTest::addColumn<MenuAction>("action");
        QTest::addColumn<QStringList>("ran");
        const auto row
            = [](const char *tag, MenuAction action, const QStringList &ran) { QTest::newRow(tag) << action << ran; };
        const QString sent = "message Clipboard Ready";
        row("sfile", &MainMenu::saveStateAction, { "save Save Game State" });
        row("sfileas", &MainMenu::saveStateAsAction, { "save Save Game State" });
        row("fload", &MainMenu::loadStateAction, { "open Load Game State" });
        row("splayer", &MainMenu::savePlayerAction, { "save Save Player Game State" });
        row("lplayer", &MainMenu::loadPlayerAction, { "open Load Player Map" });
        row("pfile", &MainMenu::printAction, { "printer", "redraw" });
        row("nprint", &MainMenu::copyAllNotesAction, { "clipboard VQA Game Master Notes and Player Notes", sent });
        row("npprint", &MainMenu::copyPlayerNotesAction, { "clipboard VQA Player Notes", sent });
        row("exportmap", &MainMenu::exportMapAction, { "save Export Map" });
        row("exporthandout", &MainMenu::exportHandoutAction, { "save Export Player Handout" });
        // In this order: no route yet to copy; Sol to the second star, star 0, drawn then reported; cleared.
        row("rprint", &MainMenu::copyRouteAction, { "message Plot Route" });
        row("plotroutemenu", &MainMenu::plotRouteAction, { "redraw", "message Plot Route" });
        row("clearroutemenu", &MainMenu::clearRouteAction, { "redraw" });
    }
    void eachActionRunsItsCommand()
    {
        QFETCH(MenuAction, action);
        m_services.log.clear();
        (m_window.menu().*action)->trigger();
        QTEST(m_services.log, "ran");
    }

private:
    Services m_services;
    MainWindowFixture m_window { CommandServices { m_services, m_services, m_services, m_services, m_services } };
};

QTEST_MAIN(TestMenuWiring)
#include "tst_menuwiring.moc"
