#include "app/mainmenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

// Menus and actions keep the control names as object names.
template <typename T>
T *named(T *object, const char *name)
{
    object->setObjectName(QLatin1String(name));
    return object;
}

} // namespace

MainMenu MainMenu::build(QMenuBar &bar)
{
    MainMenu m;
    QMenu *fm = named(bar.addMenu(QStringLiteral("&File")), "fm");
    QMenu *gmfile = named(fm->addMenu(QStringLiteral("Game Master")), "gmfile");
    m.sfile = named(gmfile->addAction(QStringLiteral("Save Game State")), "sfile");
    m.fload = named(gmfile->addAction(QStringLiteral("Load Game State")), "fload");
    QMenu *plfile = named(fm->addMenu(QStringLiteral("Player")), "plfile");
    m.splayer = named(plfile->addAction(QStringLiteral("Save Player Map")), "splayer");
    m.lplayer = named(plfile->addAction(QStringLiteral("Load Player Map")), "lplayer");
    QMenu *mprint = named(fm->addMenu(QStringLiteral("Print")), "mprint");
    m.pfile = named(mprint->addAction(QStringLiteral("Print Map")), "pfile");
    m.nprint = named(mprint->addAction(QStringLiteral("Send GM and Player Notes to Clipboard")), "nprint");
    m.npprint = named(mprint->addAction(QStringLiteral("Send Player Notes to Clipboard")), "npprint");
    m.exportmap = named(fm->addAction(QStringLiteral("Export Map…")), "exportmap");
    m.exporthandout = named(fm->addAction(QStringLiteral("Export Player Handout…")), "exporthandout");
    m.rprint = named(mprint->addAction(QStringLiteral("Send Route to Clipboard")), "rprint");
    QMenu *travel = named(fm->addMenu(QStringLiteral("Travel")), "travelmenu");
    m.plotroute = named(travel->addAction(QStringLiteral("Plot Route")), "plotroutemenu");
    m.clearroute = named(travel->addAction(QStringLiteral("Clear Route")), "clearroutemenu");
    m.bye = named(fm->addAction(QStringLiteral("Exit")), "bye");
    QMenu *editmenu = named(bar.addMenu(QStringLiteral("&Edit")), "editmenu");
    m.findstar = named(editmenu->addAction(QStringLiteral("Find Star…")), "findstar");
    m.dispopts = named(bar.addAction(QStringLiteral("Display Options")), "dispopts");
    m.dist = named(bar.addAction(QStringLiteral("Stellar Index")), "dist");
    QMenu *helpmenu = named(bar.addMenu(QStringLiteral("Help")), "helpmenu");
    m.About = named(helpmenu->addAction(QStringLiteral("About")), "About");

    // The usual desktop shortcuts on the commands that have one.
    m.sfile->setShortcut(QKeySequence::Save);
    m.fload->setShortcut(QKeySequence::Open);
    m.pfile->setShortcut(QKeySequence::Print);
    m.bye->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    m.About->setShortcut(QKeySequence(Qt::Key_F1));
    m.findstar->setShortcut(QKeySequence::Find);
    m.plotroute->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    return m;
}
