#include "files/quieticonprovider.h"

#include <QMimeDatabase>

QuietIconProvider::QuietIconProvider()
{
    // A folder's own icon comes from a file inside it.
    setOptions(DontUseCustomDirectoryIcons);
}

QIcon QuietIconProvider::icon(const QFileInfo &info) const
{
    if (info.isRoot())
        return icon(Drive);
    return icon(info.isDir() ? Folder : File);
}

QString QuietIconProvider::type(const QFileInfo &info) const
{
    if (info.isDir())
        return QStringLiteral("Folder");
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    if (!mime.isDefault())
        return mime.comment();
    return info.suffix().isEmpty() ? QStringLiteral("File") : info.suffix().toUpper() + QStringLiteral(" File");
}
