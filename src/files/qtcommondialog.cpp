#include "files/qtcommondialog.h"

#include "files/recentfiles.h"

#include <QFileInfo>

bool QtCommonDialog::show(QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(m_owner, DialogTitle);
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    dialog.setAcceptMode(mode);
    // A name that does not exist may be typed in the open dialog too; the command then ends quietly.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(nameFilters(Filter));
    dialog.setDefaultSuffix(DefaultExt);
    // Every file dialog starts in the folder the last one went to.
    const QString folder = recentfiles::lastFolder();
    if (!folder.isEmpty() && QFileInfo(FileName).isRelative() && QFileInfo(folder).isDir())
        dialog.setDirectory(folder);
    dialog.selectFile(FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return !CancelError;
    FileName = dialog.selectedFiles().constFirst();
    recentfiles::rememberFolderOf(FileName);
    return true;
}
