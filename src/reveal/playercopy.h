#pragma once

#include "catalogue/startable.h"
#include "mapview/mapframe.h"
#include "mapview/mapmodel.h"

#include <vector>

// The campaign as the players know it, made from the game master's map model. It is the one source
// of every player output (player map file, player-notes clipboard, handout, atlas player edition,
// the player view and the player window), so none of them filters on its own:
// - no game-master text at all, and no pieces kept from older files;
// - a Known star has no notes, a Surveyed star only its player text;
// - a Hidden star is not in its star table, so nothing drawn, listed, found or counted from the
//   copy can show it; its stars are renumbered in catalogue order;
// - the selection and second star are dropped when Hidden, the route runs only through stars the
//   players know (plotted again between its ends when the game master's route crosses a Hidden
//   star), and only polities known to the players are kept, without their notes.
// Its model points into its own star table, so the copy stays where it was made.
class PlayerCopy
{
public:
    explicit PlayerCopy(const MapModel &model);
    PlayerCopy(const PlayerCopy &) = delete;
    PlayerCopy &operator=(const PlayerCopy &) = delete;

    // The stars the players know, in catalogue order.
    const StarTable &stars() const { return m_stars; }
    // The map over those stars: what every player view draws.
    const MapModel &model() const { return m_model; }

    // Per catalogue star, for the player map file, whose layout holds every star: the notes of
    // the player-indexed model placed back at catalogue indices (none for a Hidden star).
    const NotesStore &catalogueNotes() const { return m_catalogueNotes; }
    // The view in catalogue indices, its Hidden selection and second star dropped.
    const ViewState &catalogueView() const { return m_catalogueView; }

    // Between the catalogue's and the copy's star numbers; -1 for none or a Hidden star.
    int toCatalogue(int playerStar) const;
    int toPlayer(int catalogueStar) const;
    // A frame drawn from model() with its stars in catalogue numbers, so that clicks and the
    // Stellar Index find the stars they show; a Hidden star is not among them.
    MapFrame catalogueFrame(MapFrame frame) const;
    // The catalogue numbers of the stars the players know, in catalogue order: the copy's star k
    // is catalogueStars()[k].
    const std::vector<int> &catalogueStars() const { return m_catalogueIndex; }

private:
    std::vector<int> m_catalogueIndex; // per player star
    std::vector<int> m_playerIndex; // per catalogue star, -1 when Hidden
    StarTable m_stars;
    MapModel m_model;
    NotesStore m_catalogueNotes;
    ViewState m_catalogueView;
};
