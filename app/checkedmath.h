// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <stdexcept>

// Counters are 32-bit; running past the range is an error, never a wrapped number.
inline std::int32_t checkedAdd(std::int32_t a, std::int32_t b)
{
    std::int32_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        throw std::overflow_error("32-bit counter overflow");
    }
    return sum;
}
