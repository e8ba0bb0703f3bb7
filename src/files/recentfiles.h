#pragma once

#include <QString>
#include <QStringList>

// The game states and player maps saved or loaded last (File ▸ Recent Files) and the folder a file
// dialog last went to, kept in the program's settings between runs.
namespace recentfiles {

constexpr int kCount = 8;

// Newest first, at most kCount absolute file names.
QStringList list();
// Puts the file first; an earlier entry of the same file goes.
void add(const QString &fileName);

// The folder of the file last chosen in a file dialog; empty before the first.
QString lastFolder();
void rememberFolderOf(const QString &fileName);

} // namespace recentfiles
