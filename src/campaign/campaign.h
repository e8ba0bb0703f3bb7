#pragma once

#include "campaign/polities.h"
#include "campaign/revealstates.h"
#include "routes/travelplan.h"

#include <QJsonObject>

// What a campaign holds beyond its game-state file: the travel plan, what the players know of each
// star and who holds which stars. Kept in the campaign side file next to the game state.
struct Campaign
{
    explicit Campaign(int starCount = 0)
        : reveal(starCount)
        , polities(starCount)
    { }

    TravelPlan travel;
    RevealStates reveal;
    Polities polities;
    // Keys of the side file this program does not know (written by a newer one), kept on save.
    QJsonObject otherKeys;

    bool operator==(const Campaign &other) const
    {
        return travel == other.travel && reveal == other.reveal && polities == other.polities
            && otherKeys == other.otherKeys;
    }
    bool operator!=(const Campaign &other) const { return !(*this == other); }
};
