#include "files/recentfiles.h"

#include <QFileInfo>
#include <QSettings>

namespace recentfiles {

namespace {

const QString kListKey = QStringLiteral("files/recent");
const QString kFolderKey = QStringLiteral("files/lastFolder");

} // namespace

QStringList list()
{
    return QSettings().value(kListKey).toStringList().mid(0, kCount);
}

void add(const QString &fileName)
{
    const QString absolute = QFileInfo(fileName).absoluteFilePath();
    QStringList files = list();
    files.removeAll(absolute);
    files.prepend(absolute);
    QSettings().setValue(kListKey, files.mid(0, kCount));
}

QString lastFolder()
{
    return QSettings().value(kFolderKey).toString();
}

void rememberFolderOf(const QString &fileName)
{
    QSettings().setValue(kFolderKey, QFileInfo(fileName).absolutePath());
}

} // namespace recentfiles
