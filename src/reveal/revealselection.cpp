#include "reveal/revealselection.h"

#include "notes/notesstore.h"
#include "routes/pairdistances.h"
#include "routes/travelplan.h"

#include <algorithm>

namespace reveal {

std::vector<int> starsOnRoute(const TravelPlan &travel)
{
    std::vector<int> stars = travel.route;
    std::sort(stars.begin(), stars.end());
    stars.erase(std::unique(stars.begin(), stars.end()), stars.end());
    return stars;
}

std::vector<int> starsWithNotes(const NotesStore &notes)
{
    std::vector<int> stars;
    for (int i = 0; i < notes.size(); ++i)
        if (notes.hasNotes(i))
            stars.push_back(i);
    return stars;
}

RevealStates withState(RevealStates states, const std::vector<int> &stars, Reveal state)
{
    for (const int star : stars)
        if (star >= 0 && star < states.size())
            states.setState(star, state);
    return states;
}

QString caption(Reveal state)
{
    switch (state) {
    case Reveal::Hidden:
        return QStringLiteral("Hidden");
    case Reveal::Known:
        return QStringLiteral("Known");
    case Reveal::Surveyed:
        break;
    }
    return QStringLiteral("Surveyed");
}

} // namespace reveal
