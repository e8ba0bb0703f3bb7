#include "history/editstate.h"

#include "mapview/viewstate.h"

MapPlace MapPlace::of(const ViewState &view)
{
    return { view.selectedStar, view.secondStar, view.originX, view.originY, view.colourCode };
}

void MapPlace::applyTo(ViewState &view) const
{
    view.selectedStar = selectedStar;
    view.secondStar = secondStar;
    view.originX = originX;
    view.originY = originY;
    view.colourCode = colourCode;
}

bool MapPlace::operator==(const MapPlace &other) const
{
    return selectedStar == other.selectedStar && secondStar == other.secondStar && originX == other.originX
        && originY == other.originY && colourCode == other.colourCode;
}

int EditState::differingParts(const EditState &a, const EditState &b)
{
    return (a.notes == b.notes ? 0 : Notes) | (a.boxes == b.boxes ? 0 : Boxes) | (a.place == b.place ? 0 : Place)
        | (a.campaign == b.campaign ? 0 : CampaignData);
}

EditState EditState::with(const EditState &from, int parts) const
{
    EditState state = *this;
    if (parts & Notes)
        state.notes = from.notes;
    if (parts & Boxes)
        state.boxes = from.boxes;
    if (parts & Place)
        state.place = from.place;
    if (parts & CampaignData)
        state.campaign = from.campaign;
    return state;
}

int EditState::changedStars(const EditState &other) const
{
    int count = 0;
    const bool sameStores = notes == other.notes;
    for (int i = 0; i < notes.size(); ++i) {
        const bool changed = !sameStores && (i >= other.notes.size() || !notes.sameNotes(i, other.notes));
        const bool typing = i == place.selectedStar && boxes != boxesForStar(notes, i);
        count += changed || typing ? 1 : 0;
    }
    return count;
}
