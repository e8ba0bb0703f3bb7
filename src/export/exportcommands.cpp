#include "export/exportcommands.h"

#include "dialogs/filedialog.h"
#include "dialogs/messagebox.h"
#include "export/exportfilechoice.h"
#include "export/handout.h"
#include "export/mapexport.h"
#include "mapview/mapmodel.h"
#include "reveal/playercopy.h"

ExportCommands::ExportCommands(
    ShownModel shown, FileDialog &dialog, MessageBox &messages, ResolutionChooser &resolution)
    : m_shown(std::move(shown))
    , m_dialog(dialog)
    , m_messages(messages)
    , m_resolution(resolution)
{ }

void ExportCommands::chooseAndExportMap()
{
    const MapModel *shown = m_shown();
    if (!shown)
        return;
    const auto file = chooseDrawingFile(m_dialog, m_messages, m_resolution, "Export Map", QStringLiteral("starmap"));
    if (!file)
        return;
    QString reason;
    const bool written = mapexport::exportMap(*shown, file->fileName, file->dpi, &reason);
    reportExport(m_messages, file->fileName, written, QStringLiteral("The map"), QStringLiteral("Export Map"), reason);
}

void ExportCommands::chooseAndExportHandout()
{
    if (!m_shown())
        return;
    // The handout is made from the player-safe copy: a Hidden star cannot be handed out.
    const PlayerCopy players(*m_shown());
    const MapModel *shown = &players.model();
    const QString title = QStringLiteral("Export Player Handout");
    if (!shown || !shown->stars->contains(shown->view.selectedStar)) {
        m_messages.show(
            QStringLiteral("Select a star first"), title, MessageBox::Buttons::Ok, MessageBox::Icon::Information);
        return;
    }
    const int star = shown->view.selectedStar;
    if (!chooseSaveFile(m_dialog, m_messages, "PDF document (*.pdf) | *.pdf | Text file (*.txt) | *.txt", "pdf",
            "Export Player Handout", (*shown->stars)[star].starName.simplified().replace(u' ', u'_'))
        || !knownExtension(m_messages, m_dialog.fileName, { QStringLiteral("pdf"), QStringLiteral("txt") }, title))
        return;
    QString reason;
    const QString text = handout::handoutText(*shown->stars, shown->notes, star);
    const bool written = handout::writeHandout(m_dialog.fileName, text, &reason);
    reportExport(m_messages, m_dialog.fileName, written, QStringLiteral("The player handout"), title, reason);
}
