// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>

enum class Quantity : std::uint8_t
{
    Voltage,
    Current,
    Resistance
};

// 10^(3p): the factor of a prefix index.
double prefixFactor(std::int16_t prefixIndex);
// "µ", "m", "", "k", "M", "G" for -2..3; an empty text for any other index.
QString prefixLetter(std::int16_t prefixIndex);
// Rescales a positive value by factors of 1000 until 0.1 <= value < 999.999, adjusting
// the prefix index on the way. Throws std::domain_error for zero, a negative value, infinity
// or NaN.
void normalizeToPrefix(double &value, std::int16_t &prefixIndex);
// "##0.000": three decimals, no grouping, the locale's decimal separator.
QString formatMantissa(double mantissa, const QLocale &locale);
// "V", "A" or the ohm sign.
QString unitText(Quantity quantity);

// The prefixes in the order of the answer's prefix list; position i is index i - 2.
inline constexpr std::int16_t firstListedPrefix = -2;
inline constexpr int listedPrefixCount = 6;

// After normalizeToPrefix: an index beyond the listed prefixes is brought back to the nearest
// one, so that the shown mantissa and prefix still name the value (0.0999 µ, not 99.9 with
// no prefix at all).
void fitToListedPrefixes(double &value, std::int16_t &prefixIndex);
