#pragma once

#include "campaign/campaign.h"
#include "catalogue/startable.h"
#include "mapview/displayoptions.h"
#include "mapview/territorypictures.h"
#include "mapview/viewstate.h"
#include "notes/notesstore.h"
#include "polities/territorycache.h"
#include "routes/pairdistances.h"

#include <QImage>

#include <memory>

// Everything a redraw reads: the star table, the view state, the display options, the notes,
// and the two logo pictures.
struct MapModel
{
    explicit MapModel(const StarTable &table)
        : stars(&table)
        , notes(table.size())
        , distances(table)
        , campaign(table.size())
    { }

    const StarTable *stars;
    ViewState view;
    DisplayOptions options;
    NotesStore notes;
    PairDistances distances; // between every two stars, worked out once
    Campaign campaign; // travel plan, reveal states and polities
    TerritoryCache territory; // the polities' territory on the map's plane, shared by copies
    // The territory's tint pictures as the map last drew them, shared by copies.
    std::shared_ptr<TerritoryPictures> territoryPictures = std::make_shared<TerritoryPictures>();
    QImage logo; // "vqalogo", light artwork on black for the dark mode
    QImage logoNegative; // "vqalogoneg", dark artwork on white for the printer mode
    // The logo box is visible only until the first redraw, which hides it and draws nothing.
    bool logoBoxVisible = true;
};
