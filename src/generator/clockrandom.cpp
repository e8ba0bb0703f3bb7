#include "generator/clockrandom.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <utility>

namespace {

qint64 systemNanoseconds()
{
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(sinceEpoch).count();
}

std::uint64_t splitMix(std::uint64_t &state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

// A seed sequence over the clock reading and the engine's own output. It spreads the two words over
// the whole engine state with the SplitMix64 step: std::seed_seq would do the same job at several
// times the cost, and the generator re-seeds before every single roll.
class MixedSeeds
{
public:
    using result_type = std::uint32_t;

    MixedSeeds(std::uint64_t clock, std::uint64_t own)
        : m_start(own)
    {
        // For one clock reading every engine output gives its own start, and the other way round.
        m_start ^= splitMix(clock);
    }

    template <typename Iterator>
    void generate(Iterator begin, Iterator end) const
    {
        std::uint64_t state = m_start;
        while (begin != end) {
            const std::uint64_t word = splitMix(state);
            *begin++ = static_cast<result_type>(word);
            if (begin != end)
                *begin++ = static_cast<result_type>(word >> 32);
        }
    }

private:
    std::uint64_t m_start;
};

} // namespace

ClockRandom::ClockRandom()
    : ClockRandom(systemNanoseconds)
{ }

ClockRandom::ClockRandom(Clock clock)
    : m_clock(std::move(clock))
{ }

int ClockRandom::randomInt(int low, int high)
{
    // The clock alone would repeat a roll inside one tick; mixing in the engine's own next
    // output keeps consecutive seeds apart even when the clock has not moved.
    const auto nanoseconds = static_cast<std::uint64_t>(m_clock());
    MixedSeeds seeds(nanoseconds, m_engine());
    m_engine.seed(seeds);

    // 53 random bits give an exact double in [0, 1).
    const double unit = static_cast<double>(m_engine() >> 11) * 0x1.0p-53;
    const double value = std::floor((static_cast<double>(high) - low + 1.0) * unit + low);
    return static_cast<int>(std::min(value, static_cast<double>(high)));
}
