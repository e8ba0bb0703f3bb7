#include "files/qtfiledialog.h"

#include "common/filenamelimit.h"
#include "files/quieticonprovider.h"
#include "files/recentfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

// The dialog greys out its Save and Open buttons while the typed name is longer than the folder
// takes; a line under the name says why, with the limit.
void explainNameLimit(QFileDialog &dialog)
{
    auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    auto *grid = qobject_cast<QGridLayout *>(dialog.layout());
    if (!edit || !grid)
        return;
    auto *note = new QLabel(&dialog);
    note->setObjectName(QStringLiteral("nameLimitNote"));
    note->setWordWrap(true);
    note->hide();
    grid->addWidget(note, grid->rowCount(), 0, 1, grid->columnCount());
    QObject::connect(edit, &QLineEdit::textChanged, note, [&dialog, note](const QString &typed) {
        const QString problem
            = typed.isEmpty() ? QString() : fileNameLengthProblem(QDir(dialog.directory()).filePath(typed));
        note->setText(problem.isEmpty() ? QString() : QStringLiteral("This name cannot be used: ") + problem + u'.');
        note->setVisible(!problem.isEmpty());
    });
}

} // namespace

bool QtFileDialog::show(QFileDialog::AcceptMode mode)
{
    QuietIconProvider icons; // outlives the dialog that uses it
    QFileDialog dialog(m_owner, title);
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    // The program's own dialog, whose icons never read a file's contents (see QuietIconProvider).
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontUseCustomDirectoryIcons);
    dialog.setIconProvider(&icons);
    explainNameLimit(dialog);
    dialog.setAcceptMode(mode);
    // A name that does not exist may be typed in the open dialog too; the command then says so.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(nameFilters(filter));
    dialog.setDefaultSuffix(defaultSuffix);
    // Every file dialog starts in the folder the last one went to.
    const QString folder = recentfiles::lastFolder();
    if (!folder.isEmpty() && QFileInfo(fileName).isRelative() && QFileInfo(folder).isDir())
        dialog.setDirectory(folder);
    dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return !failOnCancel;
    fileName = dialog.selectedFiles().constFirst();
    recentfiles::rememberFolderOf(fileName);
    return true;
}
