#include "files/qtcommondialog.h"

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
    dialog.selectFile(FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return !CancelError;
    FileName = dialog.selectedFiles().constFirst();
    return true;
}
