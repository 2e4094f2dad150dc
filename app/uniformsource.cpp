// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/uniformsource.h"

#include <chrono>

float ClockSeededSource::next()
{
    // 24 random bits fill a float's mantissa exactly, so the result can never round up to 1.
    constexpr float scale = 1.0F / 16777216.0F;
    return static_cast<float>(engine_() >> 8U) * scale;
}

void ClockSeededSource::seedFromClock()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<std::uint32_t>(ticks),
                       static_cast<std::uint32_t>(static_cast<std::uint64_t>(ticks) >> 32U)};
    engine_.seed(seed);
}
