#include "reveal/playercopy.h"

#include "routes/routesearch.h"

#include <algorithm>

namespace {

std::vector<int> starsTheyKnow(const MapModel &model)
{
    std::vector<int> known;
    const RevealStates &reveal = model.campaign.reveal;
    for (int i = 0; i < model.stars->size(); ++i)
        if (i >= reveal.size() || reveal.state(i) != Reveal::Hidden)
            known.push_back(i);
    return known;
}

std::vector<int> playerIndices(int catalogueSize, const std::vector<int> &known)
{
    std::vector<int> index(static_cast<size_t>(catalogueSize), -1);
    for (size_t p = 0; p < known.size(); ++p)
        index[static_cast<size_t>(known[p])] = static_cast<int>(p);
    return index;
}

// Copies what the players may read of one star's notes from `from` (at `source`) to `to` (at `target`).
void copyPlayerNotes(const NotesStore &from, int source, Reveal state, NotesStore &to, int target)
{
    if (state != Reveal::Surveyed || source >= from.size() || !from.hasNotes(source))
        return;
    if (from.hasParts(source))
        to.setNotes(target, QString(), from.playerText(source));
    else
        to.setNotesWithoutText(target);
}

Reveal stateOf(const RevealStates &reveal, int star)
{
    return star < reveal.size() ? reveal.state(star) : Reveal::Surveyed;
}

} // namespace

PlayerCopy::PlayerCopy(const MapModel &model)
    : m_catalogueIndex(starsTheyKnow(model))
    , m_playerIndex(playerIndices(model.stars->size(), m_catalogueIndex))
    , m_stars(model.stars->subset(m_catalogueIndex))
    , m_model(m_stars)
    , m_catalogueNotes(model.stars->size())
    , m_catalogueView(model.view)
{
    const RevealStates &reveal = model.campaign.reveal;
    for (int p = 0; p < m_stars.size(); ++p) {
        const int c = toCatalogue(p);
        copyPlayerNotes(model.notes, c, stateOf(reveal, c), m_model.notes, p);
        copyPlayerNotes(model.notes, c, stateOf(reveal, c), m_catalogueNotes, c);
    }

    if (toPlayer(m_catalogueView.selectedStar) < 0)
        m_catalogueView.selectedStar = -1;
    if (toPlayer(m_catalogueView.secondStar) < 0) {
        m_catalogueView.secondStar = -1;
        m_catalogueView.secondStarChosen = false;
    }
    m_model.view = m_catalogueView;
    m_model.view.selectedStar = toPlayer(m_catalogueView.selectedStar);
    m_model.view.secondStar = toPlayer(m_catalogueView.secondStar);
    m_model.options = model.options;
    m_model.logo = model.logo;
    m_model.logoNegative = model.logoNegative;
    m_model.logoBoxVisible = model.logoBoxVisible;
    // The territory and its pictures are kept by what they are made from, so the copies made for
    // each redraw find what the last one worked out.
    m_model.territory = model.territory;
    m_model.territoryPictures = model.territoryPictures;

    // The route through known stars only.
    TravelPlan &travel = m_model.campaign.travel;
    travel.jumpLimit = model.campaign.travel.jumpLimit;
    const std::vector<int> &route = model.campaign.travel.route;
    if (std::all_of(route.begin(), route.end(), [this](int star) { return toPlayer(star) >= 0; })) {
        for (const int star : route)
            travel.route.push_back(toPlayer(star));
    } else if (!route.empty() && toPlayer(route.front()) >= 0 && toPlayer(route.back()) >= 0) {
        travel.route
            = plotRoute(m_model.distances, toPlayer(route.front()), toPlayer(route.back()), travel.jumpLimit).stars;
    }

    // Polities the players know, without their notes.
    const Polities &polities = model.campaign.polities;
    Polities &shown = m_model.campaign.polities;
    shown.neutralMargin = polities.neutralMargin;
    std::vector<int> shownIndex(polities.list.size(), Polities::kNone);
    for (size_t i = 0; i < polities.list.size(); ++i) {
        if (!polities.list[i].knownToPlayers)
            continue;
        shownIndex[i] = static_cast<int>(shown.list.size());
        shown.list.push_back(polities.list[i]);
        shown.list.back().note.clear();
    }
    for (int p = 0; p < m_stars.size(); ++p) {
        const size_t c = static_cast<size_t>(toCatalogue(p));
        const int member = c < polities.memberOf.size() ? polities.memberOf[c] : Polities::kNone;
        if (member >= 0 && static_cast<size_t>(member) < shownIndex.size())
            shown.memberOf[static_cast<size_t>(p)] = shownIndex[static_cast<size_t>(member)];
    }
}

int PlayerCopy::toCatalogue(int playerStar) const
{
    return playerStar >= 0 && playerStar < static_cast<int>(m_catalogueIndex.size())
        ? m_catalogueIndex[static_cast<size_t>(playerStar)]
        : -1;
}

int PlayerCopy::toPlayer(int catalogueStar) const
{
    return catalogueStar >= 0 && catalogueStar < static_cast<int>(m_playerIndex.size())
        ? m_playerIndex[static_cast<size_t>(catalogueStar)]
        : -1;
}

MapFrame PlayerCopy::catalogueFrame(MapFrame frame) const
{
    for (auto *areas : { &frame.markers, &frame.listRows })
        for (HitArea &area : *areas)
            area.star = toCatalogue(area.star);
    return frame;
}
