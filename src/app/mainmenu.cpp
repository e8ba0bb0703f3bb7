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
    m.saveStateAction = named(gmfile->addAction(QStringLiteral("Save Game State")), "sfile");
    m.saveStateAsAction = named(gmfile->addAction(QStringLiteral("Save Game State As…")), "sfileas");
    m.loadStateAction = named(gmfile->addAction(QStringLiteral("Load Game State")), "fload");
    QMenu *plfile = named(fm->addMenu(QStringLiteral("Player")), "plfile");
    m.savePlayerAction = named(plfile->addAction(QStringLiteral("Save Player Map")), "splayer");
    m.loadPlayerAction = named(plfile->addAction(QStringLiteral("Load Player Map")), "lplayer");
    QMenu *mprint = named(fm->addMenu(QStringLiteral("Print")), "mprint");
    m.printAction = named(mprint->addAction(QStringLiteral("Print Map")), "pfile");
    m.copyAllNotesAction = named(mprint->addAction(QStringLiteral("Send GM and Player Notes to Clipboard")), "nprint");
    m.copyPlayerNotesAction = named(mprint->addAction(QStringLiteral("Send Player Notes to Clipboard")), "npprint");
    m.exportMapAction = named(fm->addAction(QStringLiteral("Export Map…")), "exportmap");
    m.exportHandoutAction = named(fm->addAction(QStringLiteral("Export Player Handout…")), "exporthandout");
    m.exportAtlasAction = named(fm->addAction(QStringLiteral("Export Atlas…")), "exportatlas");
    m.copyRouteAction = named(mprint->addAction(QStringLiteral("Send Route to Clipboard")), "rprint");
    QMenu *travel = named(fm->addMenu(QStringLiteral("Travel")), "travelmenu");
    m.plotRouteAction = named(travel->addAction(QStringLiteral("Plot Route")), "plotroutemenu");
    m.clearRouteAction = named(travel->addAction(QStringLiteral("Clear Route")), "clearroutemenu");
    m.recentFilesMenu = named(fm->addMenu(QStringLiteral("Recent Files")), "recentfiles");
    m.exitAction = named(fm->addAction(QStringLiteral("Exit")), "bye");
    QMenu *editmenu = named(bar.addMenu(QStringLiteral("&Edit")), "editmenu");
    m.undoAction = named(editmenu->addAction(QStringLiteral("Undo")), "undo");
    m.redoAction = named(editmenu->addAction(QStringLiteral("Redo")), "redo");
    editmenu->addSeparator();
    m.findStarAction = named(editmenu->addAction(QStringLiteral("Find Star…")), "findstar");
    m.findNotesAction = named(editmenu->addAction(QStringLiteral("Find in Notes")), "findnotes");
    m.displayOptionsAction = named(bar.addAction(QStringLiteral("Display Options")), "dispopts");
    m.stellarIndexAction = named(bar.addAction(QStringLiteral("Stellar Index")), "dist");
    m.spaceViewAction = named(bar.addAction(QStringLiteral("3D View")), "spaceviewmenu");
    m.politiesAction = named(bar.addAction(QStringLiteral("Polities")), "politiesmenu");
    QMenu *helpmenu = named(bar.addMenu(QStringLiteral("Help")), "helpmenu");
    m.quickStartAction = named(helpmenu->addAction(QStringLiteral("Quick Start")), "quickstart");
    m.keysAction = named(helpmenu->addAction(QStringLiteral("Keys and Mouse")), "keyshelp");
    m.aboutAction = named(helpmenu->addAction(QStringLiteral("About")), "About");

    // The usual desktop shortcuts on the commands that have one.
    m.saveStateAction->setShortcut(QKeySequence::Save);
    m.saveStateAsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m.loadStateAction->setShortcut(QKeySequence::Open);
    m.printAction->setShortcut(QKeySequence::Print);
    m.exitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    m.aboutAction->setShortcut(QKeySequence(Qt::Key_F1));
    m.findStarAction->setShortcut(QKeySequence::Find);
    m.undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m.redoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    m.findNotesAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    m.plotRouteAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    m.spaceViewAction->setShortcut(QKeySequence(Qt::Key_F3));
    return m;
}
