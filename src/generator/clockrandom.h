#pragma once

#include "generator/randomsource.h"

#include <QtGlobal>

#include <functional>
#include <random>

// The generator's real dice: a Mersenne Twister re-seeded before every roll from the time of day
// in nanoseconds together with its own next output, so a roll can never be replayed and two rolls
// within one clock tick still differ.
class ClockRandom : public RandomSource
{
public:
    // Nanoseconds of some clock; the default reads the system clock.
    using Clock = std::function<qint64()>;

    ClockRandom();
    explicit ClockRandom(Clock clock);

    // floor((high - low + 1) * r + low) for a fresh uniform r in [0, 1).
    int randomInt(int low, int high) override;

private:
    Clock m_clock;
    std::mt19937_64 m_engine;
};
