#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class FileDialog;
class MessageBox;
class ResolutionChooser;

// Choosing the file an export writes, the same way for every drawing the program exports.

// Shows the save dialog with the filter, default extension, title and file name; a file that
// exists is overwritten only when the user says yes. False when cancelled or declined.
bool chooseSaveFile(FileDialog &dialog, MessageBox &messages, const char *filter, const char *extension,
    const char *title, const QString &fileName);

// True when the chosen name ends in one of `extensions` (lower case, without the dot); otherwise
// says which extensions the command writes and gives false.
bool knownExtension(MessageBox &messages, const QString &fileName, const QStringList &extensions, const QString &title);

// A drawing's file: SVG, PDF or PNG by the name's extension and, for a PNG, the resolution.
struct DrawingFile
{
    QString fileName;
    int dpi = 0; // PNG only
};
// Asks for an SVG, PDF or PNG file (and a PNG's resolution); nothing when the user cancels or names
// another kind of file (which is said).
std::optional<DrawingFile> chooseDrawingFile(FileDialog &dialog, MessageBox &messages, ResolutionChooser &resolution,
    const char *title, const QString &fileName);

// Confirms a written file with its full path ("The map has been written to …"), or says why it could
// not be written ("Could not export …: No space left on device").
void reportExport(MessageBox &messages, const QString &fileName, bool written, const QString &what,
    const QString &title, const QString &reason);
