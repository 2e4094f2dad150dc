// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

// Local wall-clock times as QDateTime makes them, for reading thousands of reports: each call
// of Qt's local time asks the C library, which looks at the time-zone file every time.

// QDateTime(day, time) in local time, the same value; the moments last asked for are kept
// (on days the clocks keep).
QDateTime localDateTime(const QDate &day, const QTime &time);

// from.secsTo(to) for two local times. A day whose offset from UTC stays the same from its
// midnight to the next is looked up once; on a day the clocks change Qt counts it.
qint64 localSecsTo(const QDateTime &from, const QDateTime &to);
// The same to the millisecond: from.msecsTo(to).
qint64 localMSecsTo(const QDateTime &from, const QDateTime &to);
