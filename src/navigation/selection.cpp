#include "navigation/selection.h"

#include "catalogue/startable.h"
#include "mapview/viewstate.h"

namespace {

void selectAndCentre(ViewState &view, const StarTable &stars, int index)
{
    if (!stars.contains(index))
        return;
    view.originX = stars[index].x - 7;
    view.originY = stars[index].y - 7;
    view.selectedStar = index;
}

} // namespace

WindowAction markerPressed(ViewState &view, const StarTable &stars, int index, int button)
{
    if (button == 1)
        selectAndCentre(view, stars, index);
    return WindowAction::Redraw;
}

WindowAction listRowPressed(ViewState &view, const StarTable &stars, int index, int button)
{
    return markerPressed(view, stars, index, button);
}

WindowAction indexEntryPressed(ViewState &view, const StarTable &stars, int index, int button)
{
    switch (button) {
    case 1:
        selectAndCentre(view, stars, index);
        return WindowAction::Redraw;
    case 2:
        if (stars.contains(index)) {
            view.secondStar = index;
            view.secondStarChosen = true;
        }
        return WindowAction::Redraw;
    default:
        return WindowAction::Nothing;
    }
}
