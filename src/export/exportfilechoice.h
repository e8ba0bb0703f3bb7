#pragma once

#include <QString>

#include <optional>

class CommonDialog;
class MessageBox;
class ResolutionChooser;

// Choosing the file an export writes, the same way for every drawing the program exports.

// Shows the save dialog with the filter, default extension, title and file name; a file that
// exists is overwritten only when the user says yes. False when cancelled or declined.
bool chooseSaveFile(CommonDialog &dialog, MessageBox &messages, const char *filter, const char *extension,
    const char *title, const QString &fileName);

// A drawing's file: SVG, PDF or PNG by the name's extension and, for a PNG, the resolution.
struct DrawingFile
{
    QString fileName;
    int dpi = 0; // PNG only
};
// Asks for an SVG, PDF or PNG file (and a PNG's resolution); nothing when the user cancels.
std::optional<DrawingFile> chooseDrawingFile(CommonDialog &dialog, MessageBox &messages, ResolutionChooser &resolution,
    const char *title, const QString &fileName);

// Tells the user a file could not be written; says nothing when it was.
void reportExport(MessageBox &messages, const QString &fileName, bool written);
