#pragma once

#include "generator/randomsource.h"

#include <utility>
#include <vector>

// Test dice: hands out the scripted rolls in order (then `low`) and records every call's (low, high).
class ScriptedRandom : public RandomSource
{
public:
    using Calls = std::vector<std::pair<int, int>>;
    explicit ScriptedRandom(std::vector<int> rolls)
        : m_rolls(std::move(rolls))
    { }
    int randomInt(int low, int high) override
    {
        m_calls.emplace_back(low, high);
        return m_calls.size() <= m_rolls.size() ? m_rolls[m_calls.size() - 1] : low;
    }
    const Calls &calls() const { return m_calls; }

private:
    std::vector<int> m_rolls;
    Calls m_calls;
};
