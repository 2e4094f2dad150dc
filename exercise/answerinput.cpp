// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/answerinput.h"

#include <QByteArray>

#include <charconv>
#include <limits>
#include <system_error>

QString commaToPoint(const QString &text)
{
    QString result = text;
    result.replace(QLatin1Char(','), QLatin1Char('.'));
    return result;
}

namespace {
bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
} // namespace

double readNumber(const QString &text)
{
    QString compact;
    compact.reserve(text.size());
    for (const QChar c : text) {
        if (!isBlank(c)) {
            compact.append(c);
        }
    }

    // Collect the longest leading run that forms a number, then read it with from_chars: it
    // always takes "." as the decimal mark, whatever locale Qt has set for the C library.
    QByteArray number;
    qsizetype i = 0;
    const qsizetype n = compact.size();
    bool negative = false;
    if (i < n && (compact[i] == QLatin1Char('+') || compact[i] == QLatin1Char('-'))) {
        negative = compact[i] == QLatin1Char('-');
        ++i;
    }
    bool sawDigit = false;
    bool sawPoint = false;
    for (; i < n; ++i) {
        const QChar c = compact[i];
        if (isDigit(c)) {
            sawDigit = true;
        } else if (c == QLatin1Char('.') && !sawPoint) {
            sawPoint = true;
        } else {
            break;
        }
        number.append(c.toLatin1());
    }
    if (!sawDigit) {
        return 0.0;
    }
    if (i < n && (compact[i] == QLatin1Char('e') || compact[i] == QLatin1Char('E'))) {
        QByteArray exponent("e");
        qsizetype j = i + 1;
        if (j < n && (compact[j] == QLatin1Char('+') || compact[j] == QLatin1Char('-'))) {
            exponent.append(compact[j].toLatin1());
            ++j;
        }
        const qsizetype digitsStart = j;
        while (j < n && isDigit(compact[j])) {
            exponent.append(compact[j].toLatin1());
            ++j;
        }
        if (j > digitsStart) {
            number.append(exponent);
        }
    }
    double value = 0.0;
    const char *first = number.constData();
    const char *last = first + number.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // Too large reads as infinity, too small (a negative exponent) as 0: the range check
        // refuses both.
        value = number.contains("e-") ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (error != std::errc() || end != last) {
        return 0.0;
    }
    return negative ? -value : value;
}

bool isAcceptedAnswer(double value)
{
    return value >= 0.1 && value <= 999.999; // false for NaN and infinities as well
}
