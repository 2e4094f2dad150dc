// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise/quantityformat.h"

#include <cstdint>

class UniformSource;

// The quantities of a problem kind: the two given values and the one asked for.
struct ProblemQuantities
{
    Quantity first;
    Quantity second;
    Quantity asked;
};
ProblemQuantities quantitiesOf(std::uint8_t problemKind);

// floor(x * 1000) / 1000.
double truncateToThousandths(double x);
// A value in [lower, upper); when lower lies in [0, 1], half the draws come from [lower, 1).
double drawValue(double lower, double upper, UniformSource &random);
// Draws a new problem: exactly six numbers from the source.
void generateProblem(UniformSource &random, std::uint8_t &problemKind, float &mantissaA,
                     std::int16_t &prefixA, float &mantissaB, std::int16_t &prefixB);
