#include "navigation/selection.h"

#include "catalogue/startable.h"
#include "mapview/viewstate.h"

namespace {

void selectAndCentre(ViewState &view, const StarTable &stars, int index)
{
    if (!stars.contains(index))
        return;
    view.xorg = stars[index].starx - 7;
    view.yorg = stars[index].stary - 7;
    view.selstar = index;
}

} // namespace

WindowAction starmark_MouseDown(ViewState &view, const StarTable &stars, int index, int button)
{
    if (button == 1)
        selectAndCentre(view, stars, index);
    return WindowAction::Redraw;
}

WindowAction label2_MouseDown(ViewState &view, const StarTable &stars, int index, int button)
{
    return starmark_MouseDown(view, stars, index, button);
}

WindowAction fullist_MouseDown(ViewState &view, const StarTable &stars, int index, int button)
{
    switch (button) {
    case 1:
        selectAndCentre(view, stars, index);
        return WindowAction::Redraw;
    case 2:
        if (stars.contains(index))
            view.diststar = index;
        return WindowAction::Redraw;
    default:
        return WindowAction::Nothing;
    }
}
