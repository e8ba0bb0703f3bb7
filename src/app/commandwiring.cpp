#include "app/commandwiring.h"

#include "app/mainwindow.h"
#include "files/qtcommondialog.h"
#include "files/qtmessagebox.h"
#include "files/statefilecommands.h"
#include "output/notescommands.h"
#include "output/printmapcommand.h"
#include "output/qtclipboard.h"
#include "output/qtprintdialog.h"

#include <QAction>

namespace {

// The commands and the services behind them, living as long as the window.
class CommandSet : public QObject
{
public:
    explicit CommandSet(MainWindow &window)
        : QObject(&window)
        , CommonDialog1(&window)
        , messages(&window)
        , files(window.model(), CommonDialog1, messages, [&window] { window.Picture1_Click(); })
        , notes(window.model(), clipboard, messages)
        , print(
              window.model(), window.printer(), printdlg, &window, [&window] { window.pagesetup(); },
              [&window] { window.Picture1_Click(); })
    { }

    QtCommonDialog CommonDialog1;
    QtMessageBox messages;
    QtClipboard clipboard;
    QtPrintDialog printdlg;
    StateFileCommands files;
    NotesCommands notes;
    PrintMapCommand print;
};

} // namespace

void wireCommands(MainWindow &window)
{
    auto *commands = new CommandSet(window);
    const std::pair<const char *, std::function<void()>> actions[] = {
        { "sfile", [commands] { commands->files.sfile_Click(); } },
        { "fload", [commands] { commands->files.fload_Click(); } },
        { "splayer", [commands] { commands->files.splayer_Click(); } },
        { "lplayer", [commands] { commands->files.lplayer_Click(); } },
        { "pfile", [commands] { commands->print.pfile_Click(); } },
        { "nprint", [commands] { commands->notes.nprint_Click(); } },
        { "npprint", [commands] { commands->notes.npprint_Click(); } },
    };
    for (const auto &[name, command] : actions)
        if (QAction *action = window.findChild<QAction *>(QLatin1String(name)))
            QObject::connect(action, &QAction::triggered, commands, command);
}
