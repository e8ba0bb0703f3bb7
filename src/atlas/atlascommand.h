#pragma once

#include "atlas/atlasdialog.h"
#include "atlas/atlaspages.h"

#include <functional>
#include <optional>

class FileDialog;
class MessageBox;
struct MapModel;

// File ▸ Export Atlas…: the user picks the edition and the sectors, then names the PDF; the atlas
// is made from the map as shown. Cancelling either dialog writes nothing and shows nothing; a file
// that could not be written is reported.
class AtlasCommand
{
public:
    using ShownModel = std::function<const MapModel *()>;
    // Asks for the edition and sectors (whether a route is plotted); nothing when cancelled.
    using Choose = std::function<std::optional<AtlasChoice>(bool hasRoute)>;

    AtlasCommand(ShownModel shown, FileDialog &dialog, MessageBox &messages, Choose choose);

    void exportAtlas();
    // A second picture for the overview page (the 3-D view from its camera); none by default.
    void setOverviewPicture(OverviewPicture picture) { m_overviewPicture = std::move(picture); }
    // The overview picture of the player edition: drawn from what the players know.
    void setPlayerOverviewPicture(OverviewPicture picture) { m_playerOverviewPicture = std::move(picture); }

private:
    ShownModel m_shown;
    FileDialog &m_dialog;
    MessageBox &m_messages;
    Choose m_choose;
    OverviewPicture m_overviewPicture;
    OverviewPicture m_playerOverviewPicture;
};
