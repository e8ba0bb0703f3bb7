#include "files/statefilecommands.h"

#include "files/commondialog.h"
#include "files/messagebox.h"
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
    MapModel &model, CommonDialog &dialog, MessageBox &messages, std::function<void()> redraw)
    : m_model(model)
    , m_dialog(dialog)
    , m_messages(messages)
    , m_redraw(std::move(redraw))
{ }

void StateFileCommands::saveGameState()
{
    save({ "Velmora Database file (*.kmf) | *.kmf", "kmf", "Save Game State", "mymap" }, false);
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
    m_dialog.Filter = QString::fromUtf8(setting.filter);
    m_dialog.DefaultExt = QString::fromUtf8(setting.extension);
    m_dialog.DialogTitle = QString::fromUtf8(setting.title);
    m_dialog.FileName = QString::fromUtf8(setting.fileName);
    m_dialog.CancelError = true;
}

void StateFileCommands::save(const DialogSetting &setting, bool playerMode)
{
    prepare(setting);
    if (!m_dialog.ShowSave())
        return;
    const QString fileName = m_dialog.FileName;
    if (fileExists(fileName)
        && m_messages.show(QStringLiteral("Overwrite existing file"), QStringLiteral("Save File"),
               MessageBox::Buttons::YesNo, MessageBox::Icon::None)
            != MessageBox::Answer::Yes)
        return;
    writeState(fileName, playerMode);
}

void StateFileCommands::load(const DialogSetting &setting, bool playerMode)
{
    prepare(setting);
    if (!m_dialog.ShowOpen())
        return;
    const QString fileName = m_dialog.FileName;
    if (!fileExists(fileName))
        return;
    readState(fileName, playerMode);
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
    // The route and the jump limit go beside the game state, whose format stays as it is.
    const QString travelFile = travelFileName(fileName);
    if (!playerMode && !saveTravelFile(travelFile, m_model.campaign.travel, &reason, m_calls)) {
        report("Could not save", travelFile, reason, title);
        return false;
    }
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
    if (const StateFault fault = checkState(data, m_model.notes.size())) {
        if (!loadReadablePart(fileName, fault, title))
            return false;
        usable = usable.first(fault.readableEnd);
    }
    // Read into copies, so that nothing changes unless the whole of what is read is taken.
    ViewState view = m_model.view;
    NotesStore notes = m_model.notes;
    decodeState(usable, view, notes);
    view.secondStarChosen = true; // the game was saved with it
    m_listener(FileEvent::AboutToRead, playerMode);
    m_model.view = view;
    m_model.notes = std::move(notes);
    recentfiles::add(fileName);
    if (!playerMode)
        readTravelPlan(fileName);
    m_redraw();
    m_listener(FileEvent::Read, playerMode);
    return true;
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

void StateFileCommands::readTravelPlan(const QString &fileName)
{
    // A route belongs to the game it was plotted in: without a readable side file none is kept.
    const QString travelFile = travelFileName(fileName);
    switch (loadTravelFile(travelFile, m_model.distances, m_model.campaign.travel)) {
    case TravelLoad::Loaded:
        return;
    case TravelLoad::Malformed:
        m_messages.show(QStringLiteral("The travel plan %1 is not in the expected form and has been ignored: "
                                       "the game state is loaded without a route.")
                            .arg(QFileInfo(travelFile).fileName()),
            QStringLiteral("Load Travel Plan"), MessageBox::Buttons::Ok, MessageBox::Icon::Information);
        break;
    case TravelLoad::Absent:
        break;
    }
    m_model.campaign.travel.route.clear();
}
