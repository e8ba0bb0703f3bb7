#include "reveal/revealcommands.h"

#include "mapview/mapmodel.h"
#include "reveal/revealselection.h"

RevealCommands::RevealCommands(MapModel &model, Run run)
    : m_model(model)
    , m_run(std::move(run))
{ }

void RevealCommands::setStar(int star, Reveal state)
{
    if (m_model.stars->contains(star))
        setAll(QStringLiteral("Set Reveal State"), { star }, state);
}

void RevealCommands::setWithin(int star, double lightYears, Reveal state)
{
    if (m_model.stars->contains(star))
        setAll(QStringLiteral("Set Reveal State Within %1 ly").arg(lightYears),
            m_model.distances.within(star, lightYears), state);
}

void RevealCommands::setAlongRoute(Reveal state)
{
    setAll(QStringLiteral("Set Reveal State Along the Route"), reveal::starsOnRoute(m_model.campaign.travel), state);
}

void RevealCommands::setWithNotes(Reveal state)
{
    setAll(QStringLiteral("Set Reveal State of Stars with Notes"), reveal::starsWithNotes(m_model.notes), state);
}

void RevealCommands::setAll(const QString &name, const std::vector<int> &stars, Reveal state)
{
    if (stars.empty())
        return;
    m_run(name,
        [this, &stars, state] { m_model.campaign.reveal = reveal::withState(m_model.campaign.reveal, stars, state); });
}
