#include "export/exportfilechoice.h"

#include "dialogs/filedialog.h"
#include "dialogs/messagebox.h"
#include "export/mapexport.h"
#include "export/resolutionchooser.h"

#include <QDir>
#include <QFileInfo>

bool chooseSaveFile(FileDialog &dialog, MessageBox &messages, const char *filter, const char *extension,
    const char *title, const QString &fileName)
{
    dialog.filter = QString::fromUtf8(filter);
    dialog.defaultSuffix = QString::fromUtf8(extension);
    dialog.title = QString::fromUtf8(title);
    dialog.fileName = fileName;
    dialog.failOnCancel = true;
    if (!dialog.showSave())
        return false;
    return !QFileInfo(dialog.fileName).isFile()
        || messages.show(QStringLiteral("Overwrite existing file"), QStringLiteral("Save File"),
               MessageBox::Buttons::YesNo, MessageBox::Icon::None)
        == MessageBox::Answer::Yes;
}

bool knownExtension(MessageBox &messages, const QString &fileName, const QStringList &extensions, const QString &title)
{
    if (extensions.contains(QFileInfo(fileName).suffix().toLower()))
        return true;
    QStringList dotted;
    for (const QString &extension : extensions)
        dotted << QLatin1Char('.') + extension;
    const QString last = dotted.takeLast();
    messages.show(QStringLiteral("%1 is not written: %2 writes %3 or %4 files only.")
                      .arg(QFileInfo(fileName).fileName(), title, dotted.join(QStringLiteral(", ")), last),
        title, MessageBox::Buttons::Ok, MessageBox::Icon::Information);
    return false;
}

std::optional<DrawingFile> chooseDrawingFile(
    FileDialog &dialog, MessageBox &messages, ResolutionChooser &resolution, const char *title, const QString &fileName)
{
    if (!chooseSaveFile(dialog, messages,
            "SVG drawing (*.svg) | *.svg | PDF document (*.pdf) | *.pdf | PNG image (*.png) | *.png", "svg", title,
            fileName)
        || !knownExtension(messages, dialog.fileName,
            { QStringLiteral("svg"), QStringLiteral("pdf"), QStringLiteral("png") }, QString::fromUtf8(title)))
        return std::nullopt;
    DrawingFile chosen { dialog.fileName, 0 };
    if (mapexport::formatFor(chosen.fileName) == mapexport::Format::Png
        && (chosen.dpi = resolution.chooseDpi(QString::fromUtf8(title))) == 0)
        return std::nullopt;
    return chosen;
}

void reportExport(MessageBox &messages, const QString &fileName, bool written, const QString &what,
    const QString &title, const QString &reason)
{
    const QString path = QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
    if (written)
        messages.show(QStringLiteral("%1 has been written to %2").arg(what, path), title, MessageBox::Buttons::Ok,
            MessageBox::Icon::Information);
    else
        messages.show(QStringLiteral("Could not export %1: %2").arg(path, reason), title, MessageBox::Buttons::Ok,
            MessageBox::Icon::Warning);
}
