#pragma once

#include <QString>

#include <functional>

class QMenu;

// Fills File ▸ Recent Files from the settings each time it opens: one entry per file, newest first,
// numbered for the keyboard; choosing one calls `open` with its file name.
void connectRecentFilesMenu(QMenu &menu, std::function<void(const QString &fileName)> open);
