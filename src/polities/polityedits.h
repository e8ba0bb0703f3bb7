#pragma once

#include "campaign/polities.h"

#include <QString>

#include <vector>

class PairDistances;

// The changes the Polities window makes, each a new set of polities from the old one, so that a
// command can keep both for undo.
namespace polityedits {

// A new polity named `name` in a colour no other polity has yet, at the end of the list.
Polities added(Polities polities, const QString &name);
// Without polity `index`; its stars belong to none and the later polities move up one place.
Polities removed(Polities polities, int index);
// The stars given belong to `polity` (Polities::kNone: to none), leaving any other polity they
// belonged to; stars out of range are skipped.
Polities assigned(Polities polities, const std::vector<int> &stars, int polity);
// The members of `polity`, in star order.
std::vector<int> members(const Polities &polities, int polity);
// The polity of `star`, or Polities::kNone.
int polityOf(const Polities &polities, int star);

} // namespace polityedits
