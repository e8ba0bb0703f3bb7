#include "mapview/viewstate.h"

#include <algorithm>

void ViewState::clampOrigin()
{
    originX = std::clamp(originX, kLowestOrigin, kHighestOrigin);
    originY = std::clamp(originY, kLowestOrigin, kHighestOrigin);
}
