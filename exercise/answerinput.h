// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Every "," becomes ".", so that both decimal marks read alike.
QString commaToPoint(const QString &text);
// The leading number of the text: blanks anywhere are skipped, then an optional sign, digits
// with at most one ".", an optional exponent; a text without a number reads as 0.
double readNumber(const QString &text);
// The typed number must lie in [0.1, 999.999]; the prefix list covers the rest.
bool isAcceptedAnswer(double value);
