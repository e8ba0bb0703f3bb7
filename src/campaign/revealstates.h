#pragma once

#include <cstddef>
#include <vector>

// What the players know of a star.
enum class Reveal {
    Hidden, // the players do not know the star exists
    Known, // name and position, no notes
    Surveyed, // name, position and player notes
};

// The reveal state of every star of the catalogue. A new campaign has every star Surveyed, so that
// every player output shows what it always has until the game master hides something.
class RevealStates
{
public:
    explicit RevealStates(int count = 0)
        : m_states(static_cast<size_t>(count), Reveal::Surveyed)
    { }

    int size() const { return static_cast<int>(m_states.size()); }
    Reveal state(int star) const { return m_states.at(static_cast<size_t>(star)); }
    void setState(int star, Reveal state) { m_states.at(static_cast<size_t>(star)) = state; }

    bool allSurveyed() const
    {
        for (Reveal state : m_states)
            if (state != Reveal::Surveyed)
                return false;
        return true;
    }

    bool operator==(const RevealStates &other) const { return m_states == other.m_states; }
    bool operator!=(const RevealStates &other) const { return !(*this == other); }

private:
    std::vector<Reveal> m_states;
};
