#pragma once

#include "generator/randomsource.h"

#include <utility>
#include <vector>

// A random source for tests: hands out the scripted rolls in order and records every call's
// (low, high). A roll outside the asked range, or a call after the script has run out, is
// counted as a fault and answered with `low`.
class ScriptedRandom : public RandomSource
{
public:
    explicit ScriptedRandom(std::vector<int> rolls = {})
        : m_rolls(std::move(rolls))
    { }

    int randint(int low, int high) override
    {
        m_calls.emplace_back(low, high);
        if (m_next >= m_rolls.size()) {
            ++m_faults;
            return low;
        }
        const int roll = m_rolls[m_next++];
        if (roll < low || roll > high) {
            ++m_faults;
            return low;
        }
        return roll;
    }

    const std::vector<std::pair<int, int>> &calls() const { return m_calls; }
    int faults() const { return m_faults; }
    // Scripted rolls not yet handed out.
    size_t remaining() const { return m_rolls.size() - m_next; }

private:
    std::vector<int> m_rolls;
    size_t m_next = 0;
    std::vector<std::pair<int, int>> m_calls;
    int m_faults = 0;
};
