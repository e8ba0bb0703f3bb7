#pragma once

#include "atlas/atlasnotes.h"
#include "atlas/sectorchoice.h"

class Surface;
struct MapModel;

// How the atlas draws its maps.
struct AtlasMapOptions
{
    bool screenColours = false; // the display mode the screen shows instead of the light printer mode
    bool routeForPlayers = false; // "Show the route to the players": the player edition keeps it
    bool starNames = true; // "Show star names" on every map
};

// The model every map of an atlas is drawn from: the map as shown, with the notes of the edition
// only (no game-master text reaches the player edition's drawing), in the light printer mode unless
// the screen's colours were chosen, at the printer's text scale. The player edition leaves out the
// route, its destination and the selected and second star unless the route is shown to the players.
// Colours by distance from the selected star become colours by Z, as most pages do not show that star.
MapModel atlasModel(const MapModel &shown, const AtlasNotes &notes, const AtlasMapOptions &options);

// The model of one sector page: the atlas model moved to the sector, its number `page` in the
// title, light years from Sol in the list, and the selected star only where the sector shows it.
MapModel sectorModel(const MapModel &atlas, const AtlasSector &sector, int page);

// Draws one sector page of the atlas with the passes Print Map draws with: grid, route and stars.
void drawSectorPage(const MapModel &atlas, const AtlasSector &sector, int page, Surface &surface);
