#include "app/commandwiring.h"

#include "app/campaigndocument.h"
#include "app/editwiring.h"
#include "app/politieswiring.h"
#include "app/revealwiring.h"
#include "app/spacewiring.h"
#include "app/travelwiring.h"
#include "app/workspace.h"
#include "atlas/atlascommand.h"
#include "dialogs/qtmessagebox.h"
#include "export/exportcommands.h"
#include "export/qtresolutionchooser.h"
#include "files/qtfiledialog.h"
#include "files/recentfilesmenu.h"
#include "files/statefilecommands.h"
#include "output/notescommands.h"
#include "output/printmapcommand.h"
#include "output/qtclipboard.h"
#include "output/qtprintdialog.h"
#include "reveal/playercopy.h"
#include "travel/travelcommands.h"

#include <QAction>

#include <memory>

namespace {

// The program's own services, for a window that was given none.
struct QtServices
{
    explicit QtServices(QWidget *owner)
        : fileDialog(owner)
        , messages(owner)
        , resolution(owner)
    { }

    QtFileDialog fileDialog;
    QtMessageBox messages;
    QtClipboard clipboard;
    QtPrintDialog printDialog;
    QtResolutionChooser resolution;
};

// The commands, living as long as the window.
class CommandSet : public QObject
{
public:
    CommandSet(Workspace &workspace, std::unique_ptr<QtServices> own, const CommandServices &services)
        : QObject(&workspace.window())
        , m_own(std::move(own))
        , files(
              workspace.model(), services.fileDialog, services.messages, [&workspace] { workspace.redraw().refresh(); })
        , notes(workspace.model(), services.clipboard, services.messages)
        , print(
              workspace.model(), workspace.printer(), services.printDialog, &workspace.window(),
              [&workspace] { workspace.setUpPage(); }, [&workspace] { workspace.redraw().refresh(); },
              [&workspace](MapModel &model, Surface &surface) {
                  // While View as Player is on, the page shows what the players know.
                  if (!workspace.redraw().viewAsPlayer()) {
                      PrintMapCommand::redrawOnSurface(model, surface);
                      return;
                  }
                  const PlayerCopy players(model);
                  MapModel shown = players.model();
                  PrintMapCommand::redrawOnSurface(shown, surface);
              })
        , exports([&workspace] { return workspace.redraw().shownModel(); }, services.fileDialog, services.messages,
              services.resolution)
        , travel(
              workspace.model(), services.clipboard, services.messages, [&workspace] { workspace.redraw().refresh(); })
        , atlas([&workspace] { return workspace.redraw().shownModel(); }, services.fileDialog, services.messages,
              [&workspace](bool hasRoute) { return AtlasDialog::ask(&workspace.window(), hasRoute); })
    {
        setObjectName(QStringLiteral("fileCommands"));
    }

    template <typename Command>
    void connect(QAction *action, Command &command, void (Command::*click)())
    {
        QObject::connect(action, &QAction::triggered, this, [&command, click] { (command.*click)(); });
    }

private:
    std::unique_ptr<QtServices> m_own;

public:
    StateFileCommands files;
    NotesCommands notes;
    PrintMapCommand print;
    ExportCommands exports;
    TravelCommands travel;
    AtlasCommand atlas;
};

} // namespace

std::function<bool()> wireCommands(Workspace &workspace, const CommandServices *services)
{
    std::unique_ptr<QtServices> own;
    if (!services)
        own = std::make_unique<QtServices>(&workspace.window());
    const CommandServices use = services
        ? *services
        : CommandServices { own->fileDialog, own->messages, own->clipboard, own->printDialog, own->resolution };
    auto *commands = new CommandSet(workspace, std::move(own), use);
    const MainMenu &menu = workspace.menu();
    QObject::connect(
        menu.saveStateAction, &QAction::triggered, commands, [commands] { commands->files.saveGameState(); });
    QObject::connect(
        menu.saveStateAsAction, &QAction::triggered, commands, [commands] { commands->files.saveGameStateAs(); });
    commands->connect(menu.loadStateAction, commands->files, &StateFileCommands::loadGameState);
    commands->connect(menu.savePlayerAction, commands->files, &StateFileCommands::savePlayerMap);
    commands->connect(menu.loadPlayerAction, commands->files, &StateFileCommands::loadPlayerMap);
    commands->connect(menu.printAction, commands->print, &PrintMapCommand::printMap);
    commands->connect(menu.copyAllNotesAction, commands->notes, &NotesCommands::copyAllNotes);
    commands->connect(menu.copyPlayerNotesAction, commands->notes, &NotesCommands::copyPlayerNotes);
    commands->connect(menu.exportMapAction, commands->exports, &ExportCommands::chooseAndExportMap);
    commands->connect(menu.exportHandoutAction, commands->exports, &ExportCommands::chooseAndExportHandout);
    commands->connect(menu.copyRouteAction, commands->travel, &TravelCommands::copyRoute);
    commands->connect(menu.plotRouteAction, commands->travel, &TravelCommands::plotSelectedRoute);
    commands->connect(menu.clearRouteAction, commands->travel, &TravelCommands::clearRoute);
    connectRecentFilesMenu(*menu.recentFilesMenu, [commands](const QString &file) { commands->files.openFile(file); });
    commands->connect(menu.exportAtlasAction, commands->atlas, &AtlasCommand::exportAtlas);
    wireTravel(workspace, commands->travel);
    EditWiring &edits = wireEdits(workspace, commands->files);
    auto *document = new CampaignDocument(workspace, commands->files, edits, use.messages);
    wireReveal(workspace);
    wireSpaceView(workspace, use);
    wirePolities(workspace);
    commands->atlas.setOverviewPicture(spaceViewPicture(workspace));
    commands->atlas.setPlayerOverviewPicture(spaceViewPicture(workspace, true));
    return [document] { return document->confirmClose(); };
}

void openStateFile(Workspace &workspace, const QString &fileName)
{
    if (auto *commands
        = workspace.window().findChild<QObject *>(QStringLiteral("fileCommands"), Qt::FindDirectChildrenOnly))
        static_cast<CommandSet *>(commands)->files.openFile(fileName);
}
