#pragma once

#include "campaign/revealstates.h"

#include <QString>

#include <vector>

class NotesStore;
class PairDistances;
struct TravelPlan;

// Which stars a reveal command sets at once, and what setting them does, without any window.
namespace reveal {

// The stars of the plotted route, in catalogue order.
std::vector<int> starsOnRoute(const TravelPlan &travel);
// Every star that has notes, in catalogue order.
std::vector<int> starsWithNotes(const NotesStore &notes);

// `states` with every one of `stars` (catalogue indices; others are ignored) set to `state`.
RevealStates withState(RevealStates states, const std::vector<int> &stars, Reveal state);

// "Hidden", "Known", "Surveyed": the captions of the states in menus and boxes.
QString caption(Reveal state);
constexpr Reveal kAllStates[] = { Reveal::Hidden, Reveal::Known, Reveal::Surveyed };

} // namespace reveal
