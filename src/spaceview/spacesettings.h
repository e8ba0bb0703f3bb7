#pragma once

#include "spaceview/spacecamera.h"
#include "spaceview/spacescene.h"

// The 3-D view's camera (without its pan, which follows the selection) and options, kept between
// runs in the program's settings. Values that are missing or out of range read as the defaults.
struct SpaceSettings
{
    SpaceCamera camera;
    SpaceOptions options;
    // False on a first opening: the window then zooms to fit the stars it shows.
    bool remembered = false;

    static SpaceSettings load();
    void save() const;
};
