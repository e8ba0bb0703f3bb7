#include "export/exportcommands.h"

#include "export/handout.h"
#include "export/mapexport.h"
#include "export/resolutionchooser.h"
#include "files/commondialog.h"
#include "files/messagebox.h"
#include "mapview/mapmodel.h"

#include <QDir>
#include <QFileInfo>

ExportCommands::ExportCommands(
    ShownModel shown, CommonDialog &dialog, MessageBox &messages, ResolutionChooser &resolution)
    : m_shown(std::move(shown))
    , m_dialog(dialog)
    , m_messages(messages)
    , m_resolution(resolution)
{ }

bool ExportCommands::chooseFile(const char *filter, const char *extension, const char *title, const QString &fileName)
{
    m_dialog.Filter = QString::fromUtf8(filter);
    m_dialog.DefaultExt = QString::fromUtf8(extension);
    m_dialog.DialogTitle = QString::fromUtf8(title);
    m_dialog.FileName = fileName;
    m_dialog.CancelError = true;
    if (!m_dialog.ShowSave())
        return false;
    return !QFileInfo(m_dialog.FileName).isFile()
        || m_messages.show(QStringLiteral("Overwrite existing file"), QStringLiteral("Save File"),
               MessageBox::Buttons::YesNo, MessageBox::Icon::None)
        == MessageBox::Answer::Yes;
}

void ExportCommands::reportFailure(bool written, const QString &reason)
{
    if (!written)
        m_messages.show(
            QStringLiteral("Could not export %1: %2").arg(QDir::toNativeSeparators(m_dialog.FileName), reason),
            QStringLiteral("Export"), MessageBox::Buttons::Ok, MessageBox::Icon::Warning);
}

void ExportCommands::chooseAndExportMap()
{
    const MapModel *shown = m_shown();
    if (!shown
        || !chooseFile("SVG drawing (*.svg) | *.svg | PDF document (*.pdf) | *.pdf | PNG image (*.png) | *.png", "svg",
            "Export Map", QStringLiteral("starmap")))
        return;
    const QString fileName = m_dialog.FileName;
    int dpi = 0;
    if (mapexport::formatFor(fileName) == mapexport::Format::Png && (dpi = m_resolution.chooseDpi()) == 0)
        return;
    QString reason;
    reportFailure(mapexport::exportMap(*shown, fileName, dpi, &reason), reason);
}

void ExportCommands::chooseAndExportHandout()
{
    const MapModel *shown = m_shown();
    if (!shown || !shown->stars->contains(shown->view.selectedStar)) {
        m_messages.show(QStringLiteral("Select a star first"), QStringLiteral("Export Player Handout"),
            MessageBox::Buttons::Ok, MessageBox::Icon::Information);
        return;
    }
    const int star = shown->view.selectedStar;
    if (!chooseFile("PDF document (*.pdf) | *.pdf | Text file (*.txt) | *.txt", "pdf", "Export Player Handout",
            (*shown->stars)[star].starName.simplified().replace(u' ', u'_')))
        return;
    QString reason;
    const QString text = handout::handoutText(*shown->stars, shown->notes, star);
    reportFailure(handout::writeHandout(m_dialog.FileName, text, &reason), reason);
}
