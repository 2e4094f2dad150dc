// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

// The 32 bytes that mask every teacher report, in key order. The teacher's decoding tool holds
// the same values in the same order: change them only together with it.
inline constexpr std::array<std::uint8_t, 32> reportKeyBytes{
    0xf7, 0xbe, 0x22, 0x62, 0x86, 0xf1, 0x98, 0x79, 0x73, 0x8c, 0xda, 0x7c, 0xce, 0x16, 0x6a, 0xea,
    0x67, 0xb2, 0xc9, 0xcc, 0x9d, 0x28, 0x90, 0x30, 0xae, 0x52, 0xef, 0x30, 0x1a, 0x46, 0x31, 0x8f,
};

// The first group of every block: the letter "K", not masked.
inline constexpr std::uint8_t reportMarkerByte = 0x4B;
// Groups per line of the block; CR LF follows the last one.
inline constexpr int reportGroupsPerLine = 10;
