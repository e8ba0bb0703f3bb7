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
    QMenu *fileMenu = named(bar.addMenu(QStringLiteral("&File")), "fm");
    QMenu *gameMasterMenu = named(fileMenu->addMenu(QStringLiteral("Game Master")), "gmfile");
    m.saveStateAction = named(gameMasterMenu->addAction(QStringLiteral("Save Game State")), "sfile");
    m.saveStateAsAction = named(gameMasterMenu->addAction(QStringLiteral("Save Game State As…")), "sfileas");
    m.loadStateAction = named(gameMasterMenu->addAction(QStringLiteral("Load Game State")), "fload");
    QMenu *playerMenu = named(fileMenu->addMenu(QStringLiteral("Player")), "plfile");
    m.savePlayerAction = named(playerMenu->addAction(QStringLiteral("Save Player Map")), "splayer");
    m.loadPlayerAction = named(playerMenu->addAction(QStringLiteral("Load Player Map")), "lplayer");
    QMenu *printMenu = named(fileMenu->addMenu(QStringLiteral("Print")), "mprint");
    m.printAction = named(printMenu->addAction(QStringLiteral("Print Map")), "pfile");
    m.copyAllNotesAction
        = named(printMenu->addAction(QStringLiteral("Send GM and Player Notes to Clipboard")), "nprint");
    m.copyPlayerNotesAction = named(printMenu->addAction(QStringLiteral("Send Player Notes to Clipboard")), "npprint");
    m.exportMapAction = named(fileMenu->addAction(QStringLiteral("Export Map…")), "exportmap");
    m.exportHandoutAction = named(fileMenu->addAction(QStringLiteral("Export Player Handout…")), "exporthandout");
    m.exportAtlasAction = named(fileMenu->addAction(QStringLiteral("Export Atlas…")), "exportatlas");
    m.copyRouteAction = named(printMenu->addAction(QStringLiteral("Send Route to Clipboard")), "rprint");
    QMenu *travelMenu = named(fileMenu->addMenu(QStringLiteral("Travel")), "travelmenu");
    m.plotRouteAction = named(travelMenu->addAction(QStringLiteral("Plot Route")), "plotroutemenu");
    m.clearRouteAction = named(travelMenu->addAction(QStringLiteral("Clear Route")), "clearroutemenu");
    m.recentFilesMenu = named(fileMenu->addMenu(QStringLiteral("Recent Files")), "recentfiles");
    m.exitAction = named(fileMenu->addAction(QStringLiteral("Exit")), "bye");
    QMenu *editMenu = named(bar.addMenu(QStringLiteral("&Edit")), "editmenu");
    m.undoAction = named(editMenu->addAction(QStringLiteral("Undo")), "undo");
    m.redoAction = named(editMenu->addAction(QStringLiteral("Redo")), "redo");
    editMenu->addSeparator();
    m.findStarAction = named(editMenu->addAction(QStringLiteral("Find Star…")), "findstar");
    m.findNotesAction = named(editMenu->addAction(QStringLiteral("Find in Notes")), "findnotes");
    m.displayOptionsAction = named(bar.addAction(QStringLiteral("Display Options")), "dispopts");
    m.stellarIndexAction = named(bar.addAction(QStringLiteral("Stellar Index")), "dist");
    m.spaceViewAction = named(bar.addAction(QStringLiteral("3D View")), "spaceviewmenu");
    m.politiesAction = named(bar.addAction(QStringLiteral("Polities")), "politiesmenu");
    QMenu *helpMenu = named(bar.addMenu(QStringLiteral("Help")), "helpmenu");
    m.quickStartAction = named(helpMenu->addAction(QStringLiteral("Quick Start")), "quickstart");
    m.keysAction = named(helpMenu->addAction(QStringLiteral("Keys and Mouse")), "keyshelp");
    m.aboutAction = named(helpMenu->addAction(QStringLiteral("About")), "About");

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
