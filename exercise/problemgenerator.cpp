// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/problemgenerator.h"

#include "app/uniformsource.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double smallestValue = 1e-7;   // 0.1 µ
constexpr double largestValue = 9.99e11; // 999 G
} // namespace

ProblemQuantities quantitiesOf(std::uint8_t problemKind)
{
    switch (problemKind) {
    case 1:
        return {Quantity::Current, Quantity::Voltage, Quantity::Resistance};
    case 2:
        return {Quantity::Resistance, Quantity::Voltage, Quantity::Current};
    default:
        return {Quantity::Resistance, Quantity::Current, Quantity::Voltage};
    }
}

double truncateToThousandths(double x)
{
    return std::floor(x * 1000.0) / 1000.0;
}

double drawValue(double lower, double upper, UniformSource &random)
{
    const double r1 = random.next();
    const double top = (lower >= 0.0 && lower <= 1.0 && r1 > 0.5) ? 1.0 : upper;
    const double r2 = random.next();
    return lower + (top - lower) * r2;
}

void generateProblem(UniformSource &random, std::uint8_t &problemKind, float &mantissaA,
                     std::int16_t &prefixA, float &mantissaB, std::int16_t &prefixB)
{
    problemKind = static_cast<std::uint8_t>(std::floor(static_cast<double>(random.next()) * 3.0));
    prefixA = static_cast<std::int16_t>(std::floor(static_cast<double>(random.next()) * 6.0) - 2);
    mantissaA = static_cast<float>(truncateToThousandths(drawValue(0.1, 999.999, random)));

    const double first = static_cast<double>(mantissaA) * prefixFactor(prefixA);
    double lower = 0.0;
    double upper = 0.0;
    if (problemKind == 0) {
        lower = smallestValue / first;
        upper = largestValue / first;
    } else {
        lower = first * smallestValue;
        upper = first * largestValue;
    }
    lower = std::max(lower, smallestValue);
    upper = std::min(upper, largestValue);

    double second = drawValue(lower, upper, random);
    std::int16_t prefix = 0;
    normalizeToPrefix(second, prefix);
    if (prefix < firstListedPrefix) {
        // Only a value within rounding of 0.1 µ ends below the list (1e-7 rescales to
        // 0.0999...): it is 0.1 µ, the smallest value that can be drawn.
        fitToListedPrefixes(second, prefix);
        second = std::max(second, 0.1);
    }
    prefixB = prefix;
    mantissaB = static_cast<float>(truncateToThousandths(second));
}
