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

} // namespace

ClockRandom::ClockRandom()
    : ClockRandom(systemNanoseconds)
{ }

ClockRandom::ClockRandom(Clock clock)
    : m_clock(std::move(clock))
{ }

int ClockRandom::randint(int low, int high)
{
    // The clock alone would repeat a roll inside one tick; mixing in the engine's own next
    // output keeps consecutive seeds apart even when the clock has not moved.
    const auto nanoseconds = static_cast<std::uint64_t>(m_clock());
    const std::uint64_t own = m_engine();
    std::seed_seq seeds { static_cast<std::uint32_t>(nanoseconds), static_cast<std::uint32_t>(nanoseconds >> 32),
        static_cast<std::uint32_t>(own), static_cast<std::uint32_t>(own >> 32) };
    m_engine.seed(seeds);

    // 53 random bits give an exact double in [0, 1).
    const double unit = static_cast<double>(m_engine() >> 11) * 0x1.0p-53;
    const double value = std::floor((static_cast<double>(high) - low + 1.0) * unit + low);
    return static_cast<int>(std::min(value, static_cast<double>(high)));
}
