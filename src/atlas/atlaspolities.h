#pragma once

#include "atlas/atlasnotes.h"
#include "campaign/polities.h"

class PageCanvas;
class StarTable;

// The polities in the atlas: which an edition shows, and the legend page that names them.
namespace atlaspolities {

// The polities of the edition: all of them for the game master; for the players only those marked
// known to them, without their notes, and their stars; the others' stars belong to none.
Polities forEdition(const Polities &polities, AtlasEdition edition);

// The legend page: each polity's colour, name, claim radius, stars and (when kept) note.
void drawLegendPage(const PageCanvas &page, const Polities &polities, const StarTable &stars);

} // namespace atlaspolities
