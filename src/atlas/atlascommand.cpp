#include "atlas/atlascommand.h"

#include "atlas/atlaswriter.h"
#include "common/waitcursor.h"
#include "dialogs/filedialog.h"
#include "dialogs/messagebox.h"
#include "export/exportfilechoice.h"
#include "mapview/mapmodel.h"
#include "reveal/playercopy.h"

#include <QFileInfo>

AtlasCommand::AtlasCommand(ShownModel shown, FileDialog &dialog, MessageBox &messages, Choose choose)
    : m_shown(std::move(shown))
    , m_dialog(dialog)
    , m_messages(messages)
    , m_choose(std::move(choose))
{ }

void AtlasCommand::exportAtlas()
{
    const MapModel *shown = m_shown();
    if (!shown)
        return;
    const std::optional<AtlasChoice> choice = m_choose(!shown->campaign.travel.route.empty());
    if (!choice)
        return;
    m_dialog.filter = QStringLiteral("PDF document (*.pdf) | *.pdf");
    m_dialog.defaultSuffix = QStringLiteral("pdf");
    m_dialog.title = QStringLiteral("Export Atlas");
    m_dialog.fileName
        = choice->edition == AtlasEdition::Player ? QStringLiteral("atlas-player") : QStringLiteral("atlas-gm");
    m_dialog.failOnCancel = true;
    if (!m_dialog.showSave())
        return;
    const QString fileName = m_dialog.fileName;
    if (QFileInfo(fileName).isFile()
        && m_messages.show(QStringLiteral("Overwrite existing file"), QStringLiteral("Save File"),
               MessageBox::Buttons::YesNo, MessageBox::Icon::None)
            != MessageBox::Answer::Yes)
        return;
    bool written = false;
    QString reason;
    {
        const WaitCursor wait;
        // The player edition is made from the player-safe copy, its overview from the players' 3-D view.
        if (choice->edition == AtlasEdition::Player) {
            const PlayerCopy players(*shown);
            written = AtlasWriter(players.model(),
                { choice->edition, choice->sectors, QDate::currentDate(), m_playerOverviewPicture, choice->maps })
                          .write(fileName, &reason);
        } else {
            written = AtlasWriter(
                *shown, { choice->edition, choice->sectors, QDate::currentDate(), m_overviewPicture, choice->maps })
                          .write(fileName, &reason);
        }
    }
    if (!written)
        reportExport(m_messages, fileName, false, {}, QStringLiteral("Export Atlas"), reason);
    else
        reportExport(m_messages, fileName, true, QStringLiteral("The atlas"), QStringLiteral("Export Atlas"), {});
}
