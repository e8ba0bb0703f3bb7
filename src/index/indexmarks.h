#pragma once

#include "index/indexentries.h"

#include <QString>

#include <vector>

class ListLayout;
class Surface;

// Draws what a redraw marks beside the Stellar Index entries, in twips on the window's surface:
// for each star its colour dot left of the entry (outlined black), "*" (half as large again) or "R"
// to the right of the first column's names, and "N" further left when the star has notes.
// firstEntryWidth is the width of the first entry in twips. The surface's font is the marks font.
// What the marks beside the Stellar Index entries and in the star list's PC column mean, for a
// tooltip and the help.
QString marksExplained();

void drawIndexMarks(
    Surface &surface, const std::vector<IndexEntryMark> &marks, const ListLayout &layout, double firstEntryWidth);
