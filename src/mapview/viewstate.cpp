#include "mapview/viewstate.h"

#include <algorithm>

void ViewState::clamporigin()
{
    xorg = std::clamp(xorg, -35, 20);
    yorg = std::clamp(yorg, -35, 20);
}
