#include "export/exportfilechoice.h"

#include "export/mapexport.h"
#include "export/resolutionchooser.h"
#include "files/commondialog.h"
#include "files/messagebox.h"

#include <QFileInfo>

bool chooseSaveFile(CommonDialog &dialog, MessageBox &messages, const char *filter, const char *extension,
    const char *title, const QString &fileName)
{
    dialog.Filter = QString::fromUtf8(filter);
    dialog.DefaultExt = QString::fromUtf8(extension);
    dialog.DialogTitle = QString::fromUtf8(title);
    dialog.FileName = fileName;
    dialog.CancelError = true;
    if (!dialog.ShowSave())
        return false;
    return !QFileInfo(dialog.FileName).isFile()
        || messages.show(QStringLiteral("Overwrite existing file"), QStringLiteral("Save File"),
               MessageBox::Buttons::YesNo, MessageBox::Icon::None)
        == MessageBox::Answer::Yes;
}

std::optional<DrawingFile> chooseDrawingFile(CommonDialog &dialog, MessageBox &messages, ResolutionChooser &resolution,
    const char *title, const QString &fileName)
{
    if (!chooseSaveFile(dialog, messages,
            "SVG drawing (*.svg) | *.svg | PDF document (*.pdf) | *.pdf | PNG image (*.png) | *.png", "svg", title,
            fileName))
        return std::nullopt;
    DrawingFile chosen { dialog.FileName, 0 };
    if (mapexport::formatFor(chosen.fileName) == mapexport::Format::Png && (chosen.dpi = resolution.chooseDpi()) == 0)
        return std::nullopt;
    return chosen;
}

void reportExport(MessageBox &messages, const QString &fileName, bool written)
{
    if (!written)
        messages.show(QStringLiteral("Could not write ") + QFileInfo(fileName).fileName(), QStringLiteral("Export"),
            MessageBox::Buttons::Ok, MessageBox::Icon::Information);
}
