#pragma once

#include <QString>

#include <functional>

class FileDialog;
class MessageBox;
class ResolutionChooser;
struct MapModel;

// "Export Map…" and "Export Player Handout…": the user names a file, its extension picks the
// format, and the file is written without a print dialog. A cancelled dialog writes nothing and
// shows nothing; a name with another extension is told which extensions are written; a written file
// is confirmed with its full path, one that could not be written is reported with the reason, and a
// file that was there is kept.
class ExportCommands
{
public:
    // shown: the model of the map now on the screen (null before the first drawing).
    using ShownModel = std::function<const MapModel *()>;

    ExportCommands(ShownModel shown, FileDialog &dialog, MessageBox &messages, ResolutionChooser &resolution);

    void chooseAndExportMap();
    void chooseAndExportHandout();

private:
    ShownModel m_shown;
    FileDialog &m_dialog;
    MessageBox &m_messages;
    ResolutionChooser &m_resolution;
};
