// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/quantityformat.h"

#include <cmath>
#include <stdexcept>

double prefixFactor(std::int16_t prefixIndex)
{
    const auto exponent = static_cast<std::int16_t>(3 * prefixIndex);
    return std::pow(10.0, exponent);
}

QString prefixLetter(std::int16_t prefixIndex)
{
    switch (prefixIndex) {
    case -2:
        return QStringLiteral("\u00B5");
    case -1:
        return QStringLiteral("m");
    case 1:
        return QStringLiteral("k");
    case 2:
        return QStringLiteral("M");
    case 3:
        return QStringLiteral("G");
    default:
        return {};
    }
}

void normalizeToPrefix(double &value, std::int16_t &prefixIndex)
{
    // Zero, a negative value, infinity or NaN would never reach the range: refuse them rather
    // than loop for ever.
    if (!(value > 0.0) || !std::isfinite(value)) {
        throw std::domain_error("normalizeToPrefix: the value must be positive and finite");
    }
    for (;;) {
        if (value < 0.1) {
            value *= 1000.0;
            --prefixIndex;
        } else if (value >= 999.999) {
            value /= 1000.0;
            ++prefixIndex;
        } else {
            return;
        }
    }
}

QString formatMantissa(double mantissa, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(mantissa, 'f', 3);
}

QString unitText(Quantity quantity)
{
    switch (quantity) {
    case Quantity::Voltage:
        return QStringLiteral("V");
    case Quantity::Current:
        return QStringLiteral("A");
    case Quantity::Resistance:
        return QStringLiteral("\u03A9");
    }
    return {};
}

void fitToListedPrefixes(double &value, std::int16_t &prefixIndex)
{
    constexpr std::int16_t lastListedPrefix = firstListedPrefix + listedPrefixCount - 1;
    while (prefixIndex < firstListedPrefix) {
        value /= 1000.0;
        ++prefixIndex;
    }
    while (prefixIndex > lastListedPrefix) {
        value *= 1000.0;
        --prefixIndex;
    }
}
