#include "files/statefilecommands.h"

#include "campaign/campaignfile.h"
#include "dialogs/filedialog.h"
#include "dialogs/messagebox.h"
#include "files/playermapcheck.h"
#include "files/recentfiles.h"
#include "files/statecheck.h"
#include "files/statecodec.h"
#include "mapview/mapmodel.h"
#include "reveal/playercopy.h"
#include "routes/travelfile.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

const char *const kLoadStateTitle = "Load Game State";
const char *const kLoadPlayerTitle = "Load Player Map";

bool fileExists(const QString &fileName)
{
    return QFileInfo(fileName).isFile();
}

} // namespace

StateFileCommands::StateFileCommands(
    MapModel &model, FileDialog &dialog, MessageBox &messages, std::function<void()> redraw)
    : m_model(model)
    , m_dialog(dialog)
    , m_messages(messages)
    , m_redraw(std::move(redraw))
{ }

bool StateFileCommands::saveGameState()
{
    if (m_currentFile.isEmpty())
        return saveGameStateAs();
    return writeState(m_currentFile, false);
}

bool StateFileCommands::saveGameStateAs()
{
    const QByteArray offered = m_currentFile.isEmpty() ? QByteArray("mymap") : m_currentFile.toUtf8();
    return save({ "Velmora Database file (*.kmf) | *.kmf", "kmf", "Save Game State", offered.constData() }, false);
}

void StateFileCommands::loadGameState()
{
    load({ "Velmora Database file (*.kmf) | *.kmf", "kmf", kLoadStateTitle, "mymap" }, false);
}

void StateFileCommands::savePlayerMap()
{
    save({ "Velmora Player File (*.ply) | *.ply", "ply", "Save Player Game State", "myplayer" }, true);
}

void StateFileCommands::loadPlayerMap()
{
    load({ "Velmora Player file (*.ply) | *.ply", "ply", kLoadPlayerTitle, "myplayer" }, true);
}

void StateFileCommands::prepare(const DialogSetting &setting)
{
    m_dialog.filter = QString::fromUtf8(setting.filter);
    m_dialog.defaultSuffix = QString::fromUtf8(setting.extension);
    m_dialog.title = QString::fromUtf8(setting.title);
    m_dialog.fileName = QString::fromUtf8(setting.fileName);
    m_dialog.failOnCancel = true;
}

bool StateFileCommands::save(const DialogSetting &setting, bool playerMode)
{
    prepare(setting);
    if (!m_dialog.showSave())
        return false;
    const QString fileName = m_dialog.fileName;
    if (fileExists(fileName)
        && m_messages.show(QStringLiteral("Overwrite existing file"), QStringLiteral("Save File"),
               MessageBox::Buttons::YesNo, MessageBox::Icon::None)
            != MessageBox::Answer::Yes)
        return false;
    return writeState(fileName, playerMode);
}

void StateFileCommands::load(const DialogSetting &setting, bool playerMode)
{
    prepare(setting);
    if (!m_dialog.showOpen())
        return;
    // A name that is missing, or is a folder, a pipe or a device, is said by the read.
    readState(m_dialog.fileName, playerMode);
}

bool StateFileCommands::writeState(const QString &fileName, bool playerMode)
{
    const char *const title = playerMode ? "Save Player Map" : "Save Game State";
    QString reason;
    // A player map is written from the player-safe copy: no game-master text, no Hidden star's
    // selection, player notes only of Surveyed stars. Its layout still holds every star.
    const std::optional<PlayerCopy> players = playerMode ? std::make_optional<PlayerCopy>(m_model) : std::nullopt;
    const ViewState &view = players ? players->catalogueView() : m_model.view;
    const NotesStore &notes = players ? players->catalogueNotes() : m_model.notes;
    if (!saveStateFile(fileName, view, notes, playerMode, &reason, m_calls)) {
        report("Could not save", fileName, reason, title);
        return false;
    }
    recentfiles::add(fileName);
    // The travel plan, reveal states and polities go beside the game state, whose format stays as it is.
    const QString campaignFile = CampaignFile::fileNameFor(fileName);
    if (!playerMode && !CampaignFile::save(campaignFile, m_model.campaign, &reason, m_calls)) {
        report("Could not save", campaignFile, reason, title);
        return false;
    }
    if (!playerMode)
        m_currentFile = fileName;
    m_listener(FileEvent::Written, playerMode);
    return true;
}

bool StateFileCommands::readState(const QString &fileName, bool playerMode)
{
    const char *const title = playerMode ? kLoadPlayerTitle : kLoadStateTitle;
    QByteArray data;
    QString reason;
    if (!readWholeFile(fileName, data, &reason)) {
        report("Could not load", fileName, reason, title);
        return false;
    }
    QByteArrayView usable = data;
    const StateFault fault = checkState(data, m_model.notes.size());
    if (fault) {
        if (!loadReadablePart(fileName, fault, title))
            return false;
        usable = usable.first(fault.readableEnd);
    }
    // Read into copies, so that nothing changes unless the whole of what is read is taken.
    ViewState view = m_model.view;
    NotesStore notes = m_model.notes;
    ReadNotices notices;
    decodeState(usable, view, notes, &notices);
    if (!playerMode && playermapcheck::looksLikePlayerMap(notes)) {
        const int lost = playermapcheck::gameMasterTextsLost(m_model.notes, notes);
        if (lost > 0) {
            if (!askLoadAsPlayerMap(fileName, lost))
                return false;
            playerMode = true;
            notes = playermapcheck::withPlayerTexts(m_model.notes, notes);
        }
    }
    view.secondStarChosen = true; // the game was saved with it
    m_listener(FileEvent::AboutToRead, playerMode);
    m_model.view = view;
    m_model.notes = std::move(notes);
    recentfiles::add(fileName);
    if (!playerMode) {
        readCampaign(fileName);
        // Part of a damaged file is no campaign to save over: the next Save asks where.
        m_currentFile = fault ? QString() : fileName;
    }
    m_redraw();
    m_listener(FileEvent::Read, playerMode);
    tellNotices(fileName, notices, title);
    return true;
}

bool StateFileCommands::askLoadAsPlayerMap(const QString &fileName, int lost)
{
    const QString text = QStringLiteral(
        "%1 is a player map: it holds the players' notes only. Loaded as a game state, it would empty the "
        "game master's notes of %2.\n\n\"Load as Player Map\" takes the players' notes and the map's place from "
        "it and keeps the game master's notes.")
                             .arg(QDir::toNativeSeparators(fileName),
                                 lost == 1 ? QStringLiteral("1 system") : QStringLiteral("%1 systems").arg(lost));
    return m_messages.show(text, QString::fromUtf8(kLoadStateTitle), MessageBox::Buttons::LoadAsPlayerMapOrNot,
               MessageBox::Icon::Warning)
        == MessageBox::Answer::Yes;
}

void StateFileCommands::tellNotices(const QString &fileName, const ReadNotices &notices, const char *title)
{
    if (notices.empty())
        return;
    constexpr size_t kShown = 12;
    QStringList lines;
    for (size_t i = 0; i < notices.size() && i < kShown; ++i)
        lines << describeNotice(notices[i], *m_model.stars);
    if (notices.size() > kShown)
        lines << QStringLiteral("… and %1 more.").arg(notices.size() - kShown);
    m_messages.show(QStringLiteral("%1 is loaded. Some of what it holds was not taken as it stands:\n\n%2")
                        .arg(QDir::toNativeSeparators(fileName), lines.join(u'\n')),
        QString::fromUtf8(title), MessageBox::Buttons::Ok, MessageBox::Icon::Information);
}

bool StateFileCommands::openFile(const QString &fileName)
{
    return readState(fileName, QFileInfo(fileName).suffix().compare(QLatin1String("ply"), Qt::CaseInsensitive) == 0);
}

bool StateFileCommands::loadReadablePart(const QString &fileName, const StateFault &fault, const char *title)
{
    QString text = QStringLiteral("%1 was not loaded, nothing has changed.\n\n%2.")
                       .arg(QDir::toNativeSeparators(fileName), describeFault(fault, *m_model.stars));
    // A fault in the header leaves nothing that could be read on its own.
    if (fault.star() < 0) {
        m_messages.show(text, QString::fromUtf8(title), MessageBox::Buttons::Ok, MessageBox::Icon::Warning);
        return false;
    }
    const QString part = fault.readableStars == 0 ? QStringLiteral("only the header")
        : fault.readableStars == 1
        ? QStringLiteral("the header and the notes of the first star")
        : QStringLiteral("the header and the notes of the first %1 stars").arg(fault.readableStars);
    text += QStringLiteral("\n\n\"Load what can be read\" takes %1 from the file; every other star keeps its notes.")
                .arg(part);
    return m_messages.show(
               text, QString::fromUtf8(title), MessageBox::Buttons::KeepOrLoadReadable, MessageBox::Icon::Warning)
        == MessageBox::Answer::Yes;
}

void StateFileCommands::report(const char *what, const QString &fileName, const QString &reason, const char *title)
{
    m_messages.show(
        QStringLiteral("%1 %2: %3").arg(QString::fromUtf8(what), QDir::toNativeSeparators(fileName), reason),
        QString::fromUtf8(title), MessageBox::Buttons::Ok, MessageBox::Icon::Warning);
}

void StateFileCommands::readCampaign(const QString &fileName)
{
    // The campaign data belong to the game they were made in: without a readable side file the game
    // state comes without them (the jump limit, a setting of the program as well, stays).
    QString error;
    Campaign campaign(m_model.notes.size());
    switch (CampaignFile::load(fileName, m_model.distances, campaign, &error)) {
    case CampaignFile::Load::Loaded:
        m_model.campaign = std::move(campaign);
        return;
    case CampaignFile::Load::Malformed:
        m_messages.show(QStringLiteral("The campaign file is not in the expected form and has been ignored: the game "
                                       "state is loaded without its route, reveal states and polities.\n\n%1.")
                            .arg(error),
            QStringLiteral("Load Campaign"), MessageBox::Buttons::Ok, MessageBox::Icon::Information);
        break;
    case CampaignFile::Load::Absent:
        break;
    }
    campaign.travel.jumpLimit = m_model.campaign.travel.jumpLimit;
    m_model.campaign = std::move(campaign);
}
