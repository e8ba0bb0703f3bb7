#include "files/statefilecommands.h"

#include "files/commondialog.h"
#include "files/messagebox.h"
#include "files/statecodec.h"
#include "mapview/mapmodel.h"
#include "routes/travelfile.h"

#include <QFileInfo>

namespace {

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
    load({ "Velmora Database file (*.kmf) | *.kmf", "kmf", "Load Game State", "mymap" }, false);
}

void StateFileCommands::savePlayerMap()
{
    save({ "Velmora Player File (*.ply) | *.ply", "ply", "Save Player Game State", "myplayer" }, true);
}

void StateFileCommands::loadPlayerMap()
{
    load({ "Velmora Player file (*.ply) | *.ply", "ply", "Load Player Map", "myplayer" }, true);
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
    if (!saveStateFile(fileName, m_model.view, m_model.notes, playerMode))
        return false;
    // The route and the jump limit go beside the game state, whose format stays as it is.
    return playerMode || saveTravelFile(travelFileName(fileName), m_model.travel);
}

bool StateFileCommands::readState(const QString &fileName, bool playerMode)
{
    if (!loadStateFile(fileName, m_model.view, m_model.notes))
        return false;
    m_model.view.secondStarChosen = true; // the game was saved with it
    if (!playerMode)
        readTravelPlan(fileName);
    m_redraw();
    return true;
}

void StateFileCommands::readTravelPlan(const QString &fileName)
{
    // A route belongs to the game it was plotted in: without a readable side file none is kept.
    const QString travelFile = travelFileName(fileName);
    switch (loadTravelFile(travelFile, m_model.distances, m_model.travel)) {
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
    m_model.travel.route.clear();
}
