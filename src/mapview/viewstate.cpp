#include "mapview/viewstate.h"

#include <algorithm>

void ViewState::clampOrigin()
{
    originX = std::clamp(originX, -35, 20);
    originY = std::clamp(originY, -35, 20);
}
