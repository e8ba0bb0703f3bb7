#include "atlas/sectorpage.h"

#include "atlas/atlaspolities.h"
#include "catalogue/startable.h"
#include "mapview/mapmodel.h"
#include "mapview/redraw.h"

namespace {

constexpr int kColourByDistance = 2;
constexpr int kColourByZ = 0;

} // namespace

MapModel atlasModel(const MapModel &shown, const AtlasNotes &notes, const AtlasMapOptions &options)
{
    MapModel model = shown;
    model.notes = NotesStore(shown.notes.size());
    for (int i = 0; i < notes.size() && i < model.notes.size(); ++i)
        if (notes.hasNotes(i))
            model.notes.setNotes(i, notes.gameMaster(i), notes.player(i));
    // The options agree with the view, so that Print Map would draw a page of the atlas alike.
    // Only the polities of the edition, their territory on every map of it.
    model.campaign.polities = atlaspolities::forEdition(shown.campaign.polities, notes.edition());
    DisplayOptions &o = model.options;
    o.territoriesBox = model.campaign.polities.list.empty() ? 0 : 1;
    o.printerMode = options.screenColours ? shown.view.printerMode : true;
    o.starNamesBox = options.starNames ? 1 : 0;
    if (o.colourCode == kColourByDistance)
        o.colourCode = kColourByZ;
    o.readInto(model.view);
    if (notes.edition() == AtlasEdition::Player && !options.routeForPlayers) {
        model.campaign.travel.route.clear();
        model.view.selectedStar = -1;
        model.view.secondStar = -1;
        model.view.secondStarChosen = false;
    }
    model.view.textScale = 1.0;
    return model;
}

MapModel sectorModel(const MapModel &atlas, const AtlasSector &sector, int page)
{
    MapModel model = atlas;
    model.view.originX = sector.originX;
    model.view.originY = sector.originY;
    model.view.clampOrigin();
    model.view.atlasPage = page;
    if (!sectorShows(sector, *atlas.stars, model.view.selectedStar))
        model.view.selectedStar = -1;
    return model;
}

void drawSectorPage(const MapModel &atlas, const AtlasSector &sector, int page, Surface &surface)
{
    drawMap(sectorModel(atlas, sector, page), surface);
}
