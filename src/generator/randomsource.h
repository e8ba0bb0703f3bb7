#pragma once

// Where the generator's rolls come from. The program uses ClockRandom; tests script the rolls.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    // One roll: a whole number from low to high, both included (low <= high).
    virtual int randomInt(int low, int high) = 0;
};
