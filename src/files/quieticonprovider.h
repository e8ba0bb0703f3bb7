#pragma once

#include <QFileIconProvider>

// Icons and type names for the file dialogs that never look inside a file. The usual provider
// reads the first bytes of every file it lists to guess its type, and a file that blocks the read
// (/proc/kmsg, typed into the dialog) froze the program for good. Here a folder is a folder, any
// other name is a file, and the type comes from the extension alone.
class QuietIconProvider : public QFileIconProvider
{
public:
    QuietIconProvider();

    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo &info) const override;
    QString type(const QFileInfo &info) const override;
};
