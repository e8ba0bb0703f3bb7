#pragma once

#include "app/mainmenu.h"
#include "app/workspace.h"
#include "catalogue/startable.h"
#include "mapview/mapframe.h"
#include "mapview/mapmodel.h"
#include "output/currentprinter.h"
#include "output/pagesetup.h"

#include <QMainWindow>

#include <functional>

struct CommandServices;
class DisplayOptionsDialog;
class MapCanvas;
class NavigationWiring;
class HelpCard;
class SplashWindow;
class StellarIndexWindow;

// The main window: menu bar and the sector map. It owns the model and the workspace the wiring of
// its commands works with, the one redraw included; the commands behind the menus live in their own folders.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // services: the dialogs, message boxes and clipboard behind the File menu; the Qt ones when null.
    explicit MainWindow(SplashWindow *splash, const CommandServices *services = nullptr);
    ~MainWindow() override;

    void startUp();
    void buildStarTable();
    void refreshMap() { m_workspace.redraw().refresh(); }
    void setUpPage();

    void exitProgram();
    // Asked before the window closes (Escape on the map, Exit, Ctrl+Q, the close box); false keeps it open.
    void setCloseGuard(std::function<bool()> guard) { m_closeGuard = std::move(guard); }
    void showAbout();
    void showKeysAndMouse();
    void showDisplayOptions();
    void showStellarIndex() { m_workspace.showStellarIndex(); }
    void hideHelpCard();

    // What the wiring works with; made with the window.
    Workspace &workspace() { return m_workspace; }
    const MainMenu &menu() const { return m_menu; }
    MapModel &model() { return m_model; }
    const StarTable &table() const { return m_table; }
    MapCanvas *canvas() const { return m_canvas; }
    HelpCard *helpCard() const { return m_helpCard; }
    const PageGeometry &page() const { return m_page; }
    CurrentPrinter &printer() { return m_printer; }
    DisplayOptionsDialog *displayOptionsDialog() { return m_workspace.displayOptionsDialog(); }
    StellarIndexWindow *stellarIndex() { return m_workspace.stellarIndex(); }
    NavigationWiring *navigation() const { return m_workspace.navigation(); }
    int redrawCount() const { return m_workspace.redraw().count(); }
    // The model of the map now on the screen; null before the first drawing.
    const MapModel *shownModel() const { return m_workspace.redraw().shownModel(); }
    // View as Player: every redraw then draws the player-safe copy of the model, and the shown
    // model (what the 3D View, exports and prints take) is that copy's.
    void setViewAsPlayer(bool on) { m_workspace.redraw().setViewAsPlayer(on); }
    bool viewAsPlayer() const { return m_workspace.redraw().viewAsPlayer(); }

signals:
    // After every drawing of the map on the screen, with what the passes returned: the redraw's
    // mapDrawn passed on, after the wiring's own handlers of it.
    void mapDrawn(const MapFrame &frame);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    double canvasTextScale() const;
    void closeEverything();

    SplashWindow *m_splash;
    StarTable m_table;
    MapModel m_model;
    PageGeometry m_page;
    QSize m_setUpCanvas; // the map area's size as the page set-up made it
    CurrentPrinter m_printer;
    MainMenu m_menu;
    MapCanvas *m_canvas;
    HelpCard *m_helpCard;
    Workspace m_workspace;
    bool m_unloading = false;
    std::function<bool()> m_closeGuard;
};
