#pragma once

#include "app/mainmenu.h"
#include "catalogue/startable.h"
#include "mapview/mapframe.h"
#include "mapview/mapmodel.h"
#include "output/currentprinter.h"
#include "output/pagesetup.h"

#include <QMainWindow>

#include <functional>
#include <memory>

struct CommandServices;
class DisplayOptionsDialog;
class MapCanvas;
class NavigationWiring;
class PlayerCopy;
class HelpCard;
class SplashWindow;
class StellarIndexWindow;

// The main window: menu bar and the sector map. It owns the model and the one redraw,
// refreshMap; the commands behind the menus live in their own folders.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // services: the dialogs, message boxes and clipboard behind the File menu; the Qt ones when null.
    explicit MainWindow(SplashWindow *splash, const CommandServices *services = nullptr);
    ~MainWindow() override;

    void startUp();
    void buildStarTable();
    void refreshMap();
    void setUpPage();

    void exitProgram();
    // Asked before the window closes (Escape on the map, Exit, Ctrl+Q, the close box); false keeps it open.
    void setCloseGuard(std::function<bool()> guard) { m_closeGuard = std::move(guard); }
    void showAbout();
    void showKeysAndMouse();
    void showDisplayOptions();
    void showStellarIndex();
    void hideHelpCard();

    const MainMenu &menu() const { return m_menu; }
    MapModel &model() { return m_model; }
    const StarTable &table() const { return m_table; }
    MapCanvas *canvas() const { return m_canvas; }
    DisplayOptionsDialog *displayOptionsDialog();
    StellarIndexWindow *stellarIndex();
    HelpCard *helpCard() const { return m_helpCard; }
    const PageGeometry &page() const { return m_page; }
    CurrentPrinter &printer() { return m_printer; }
    int redrawCount() const { return m_redraws; }
    NavigationWiring *navigation() const { return m_navigation; }
    // The model of the map now on the screen; null before the first drawing.
    const MapModel *shownModel() const { return m_shown.get(); }

    // View as Player: every redraw then draws the player-safe copy of the model, and the shown
    // model (what the 3D View, exports and prints take) is that copy's.
    void setViewAsPlayer(bool on);
    bool viewAsPlayer() const { return m_viewAsPlayer; }
    // The catalogue star of a star number of the shown model (they differ in the player view).
    int catalogueStar(int shownStar) const;
    // The copy the player view draws; null in the game master's view.
    std::shared_ptr<const PlayerCopy> playerCopy() const { return m_playerCopy; }

signals:
    // After every drawing of the map on the screen, with what the passes returned.
    void mapDrawn(const MapFrame &frame);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    MapFrame paintMap(MapModel &model);
    double canvasTextScale() const;
    void scheduleRepaint();
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
    DisplayOptionsDialog *m_displayOptions = nullptr;
    StellarIndexWindow *m_stellarIndex = nullptr;
    NavigationWiring *m_navigation = nullptr;
    int m_redraws = 0;
    std::unique_ptr<MapModel> m_shown; // what the last redraw drew
    bool m_viewAsPlayer = false;
    std::shared_ptr<const PlayerCopy> m_playerCopy; // the copy m_shown was made from in the player view
    bool m_repaintPending = false;
    bool m_unloading = false;
    std::function<bool()> m_closeGuard;
};
