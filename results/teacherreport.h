// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <cstdint>

struct SharedState;

// " příklad", " příklady" or " příkladů", the form that follows the count.
QString choosePluralWord(std::int32_t count);
// A blank, the count, then its plural word: the text of one tally label.
QString formatCountLabel(std::int32_t count);
// The e-mail report of the run, lines ended by CR LF; `now` is the run's end.
QString buildTeacherReport(const SharedState &state, const QDateTime &now, const QLocale &locale);
