#include "exercise/answerinput.h"

#include <QByteArray>

#include <cstdlib>

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

    // Collect the longest leading run that forms a number; strtod then reads it exactly.
    QByteArray number;
    qsizetype i = 0;
    const qsizetype n = compact.size();
    if (i < n && (compact[i] == QLatin1Char('+') || compact[i] == QLatin1Char('-'))) {
        number.append(compact[i].toLatin1());
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
    return std::strtod(number.constData(), nullptr);
}

bool isAcceptedAnswer(double value)
{
    return value >= 0.1 && value <= 999.999;
}
