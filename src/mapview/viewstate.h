#pragma once

#include <QtGlobal>

// What the map shows: selection, sector origin, range and the display flags.
// The range, colour code and flags are read afresh from the display options at every redraw.
struct ViewState
{
    qint32 selstar = 165; // selected star, -1 = none
    qint32 diststar = 0; // second star of the distance readout, -1 = none
    qint32 xorg = -7; // the sector shows X from xorg to xorg + 15
    qint32 yorg = -7;
    qint32 hirange = 40;
    qint32 lorange = -40;
    qint32 colmode = 0; // 0 Z co-ordinate, 1 spectral type, 2 distance from selected, 3 spheres
    bool idsflag = false;
    bool xhairflag = true;
    bool sodflag = false;
    bool dfsflag = false;
    bool wysflag = false; // light printer mode instead of the dark mode
    bool greyflag = false;
    bool heightflag = false; // signed Z beside each star dot in the sector
    bool linksflag = false; // reach links within the jump limit
    double fscale = 1.0; // text scale of the drawing surface

    // Keeps the 15-light-year sector inside -35 .. 35 on both axes.
    void clamporigin();
};
