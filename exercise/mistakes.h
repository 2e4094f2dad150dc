// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>

struct SharedState;

// The usual slips of an Ohm's-law answer that the numbers alone give away.
enum class MistakeKind : std::uint8_t
{
    None,
    WrongPrefix,                // the right digits, a prefix 1000^k off
    MultipliedInsteadOfDivided, // the product where a quotient was asked
    DividedInsteadOfMultiplied, // a quotient where the product was asked
    DividedTheWrongWay,         // the first given value divided by the second
};

struct Mistake
{
    MistakeKind kind = MistakeKind::None;
    // For WrongPrefix: the prefix the typed number needed, and the one the pupil chose.
    std::int16_t neededPrefix = 0;
    std::int16_t chosenPrefix = 0;
};

// Which mistake, if exactly one, explains a wrong answer within the same 10 per cent that
// judges it. Reads the problem and the pupil's answer (answerInBaseUnits, answerPrefix) from
// the state after the evaluation. An answer that fits no mistake, or more than one, gives None:
// a hint must never mislead.
Mistake classifyMistake(const SharedState &state);

// One short Czech sentence naming the mistake; empty for None.
QString mistakeHint(const Mistake &mistake, std::uint8_t problemKind);
