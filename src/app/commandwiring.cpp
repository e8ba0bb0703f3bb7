#include "app/commandwiring.h"

#include "app/mainwindow.h"
#include "export/exportcommands.h"
#include "export/qtresolutionchooser.h"
#include "app/travelwiring.h"
#include "files/qtcommondialog.h"
#include "files/qtmessagebox.h"
#include "files/statefilecommands.h"
#include "output/notescommands.h"
#include "output/printmapcommand.h"
#include "output/qtclipboard.h"
#include "output/qtprintdialog.h"
#include "travel/travelcommands.h"

#include <QAction>

#include <memory>

namespace {

// The program's own services, for a window that was given none.
struct QtServices
{
    explicit QtServices(QWidget *owner)
        : CommonDialog1(owner)
        , messages(owner)
        , resolution(owner)
    { }

    QtCommonDialog CommonDialog1;
    QtMessageBox messages;
    QtClipboard clipboard;
    QtPrintDialog printdlg;
    QtResolutionChooser resolution;
};

// The commands, living as long as the window.
class CommandSet : public QObject
{
public:
    CommandSet(MainWindow &window, std::unique_ptr<QtServices> own, const CommandServices &services)
        : QObject(&window)
        , m_own(std::move(own))
        , files(window.model(), services.CommonDialog1, services.messages, [&window] { window.Picture1_Click(); })
        , notes(window.model(), services.clipboard, services.messages)
        , print(
              window.model(), window.printer(), services.printdlg, &window, [&window] { window.pagesetup(); },
              [&window] { window.Picture1_Click(); })
        , exports(
              [&window] { return window.shownModel(); }, services.CommonDialog1, services.messages, services.resolution)
        , travel(window.model(), services.clipboard, services.messages, [&window] { window.Picture1_Click(); })
    { }

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
};

} // namespace

void wireCommands(MainWindow &window, const CommandServices *services)
{
    std::unique_ptr<QtServices> own;
    if (!services)
        own = std::make_unique<QtServices>(&window);
    const CommandServices use = services
        ? *services
        : CommandServices { own->CommonDialog1, own->messages, own->clipboard, own->printdlg, own->resolution };
    auto *commands = new CommandSet(window, std::move(own), use);
    const MainMenu &menu = window.menu();
    commands->connect(menu.sfile, commands->files, &StateFileCommands::sfile_Click);
    commands->connect(menu.fload, commands->files, &StateFileCommands::fload_Click);
    commands->connect(menu.splayer, commands->files, &StateFileCommands::splayer_Click);
    commands->connect(menu.lplayer, commands->files, &StateFileCommands::lplayer_Click);
    commands->connect(menu.pfile, commands->print, &PrintMapCommand::pfile_Click);
    commands->connect(menu.nprint, commands->notes, &NotesCommands::nprint_Click);
    commands->connect(menu.npprint, commands->notes, &NotesCommands::npprint_Click);
    commands->connect(menu.exportmap, commands->exports, &ExportCommands::exportMap_Click);
    commands->connect(menu.exporthandout, commands->exports, &ExportCommands::exportHandout_Click);
    commands->connect(menu.rprint, commands->travel, &TravelCommands::rprint_Click);
    commands->connect(menu.plotroute, commands->travel, &TravelCommands::plotroute_Click);
    commands->connect(menu.clearroute, commands->travel, &TravelCommands::clearroute_Click);
    wireTravel(window, commands->travel);
}
