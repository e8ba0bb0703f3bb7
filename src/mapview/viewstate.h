#pragma once

#include "catalogue/startable.h"

#include <QtGlobal>

// What the map shows: selection, sector origin, range and the display flags.
// The range, colour code and flags are read afresh from the display options at every redraw.
struct ViewState
{
    qint32 selectedStar = StarTable::kSol; // selected star, -1 = none
    qint32 secondStar = 0; // second star of the distance readout, -1 = none
    // The second star was chosen (in the Stellar Index, by Find or in a loaded game), not the one a
    // new game starts with: only a chosen one is a route's destination.
    bool secondStarChosen = false;
    qint32 originX = -7; // the sector shows X from originX to originX + 15
    qint32 originY = -7;
    qint32 rangeHigh = 40;
    qint32 rangeLow = -40;
    qint32 colourCode = 0; // 0 Z co-ordinate, 1 spectral type, 2 distance from selected, 3 spheres, 4 polity
    bool showStarNumbers = false;
    bool showCrossHairs = true;
    bool showSpheres = false;
    bool showRangeCircle = false;
    bool printerMode = false; // light printer mode instead of the dark mode
    bool greyOutOfRange = false;
    bool showHeight = false; // signed Z beside each star dot in the sector
    bool showLinks = false; // reach links within the jump limit
    bool showTerritories = false; // the polities' territory on the plane below
    bool territoryPlaneThroughSelected = false; // that plane through the selected star instead of Z = 0
    bool showStarNames = false; // each star of the sector named beside its dot
    bool markNotes = false; // a ring round the dot of every star with notes
    double textScale = 1.0; // text scale of the drawing surface
    // Above 0 on a page of the atlas: its number heads the title, and the list gives light years
    // from Sol, as every page of the atlas does, not from a selected star elsewhere.
    int atlasPage = 0;

    // Keeps the 15-light-year sector inside -35 .. 35 on both axes.
    void clampOrigin();
    static constexpr qint32 kLowestOrigin = -35;
    static constexpr qint32 kHighestOrigin = 20;
};
