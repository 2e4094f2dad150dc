// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/localclock.h"

#include <optional>
#include <unordered_map>

namespace {

// Enough for the days and minutes of a school year's mail; then it starts again.
constexpr std::size_t mostKept = 4096;
constexpr qint64 minutesPerDay = qint64{24} * 60;
constexpr qint64 msecsPerDay = qint64{24} * 60 * 60 * 1000;

// The day's offset when the clocks do not change on it. Three looks: start, noon and end.
std::optional<int> steadyOffset(const QDate &day)
{
    // Per thread: the decoder may run beside the window.
    thread_local std::unordered_map<qint64, std::optional<int>> offsets;
    const qint64 key = day.toJulianDay();
    if (const auto found = offsets.find(key); found != offsets.end()) {
        return found->second;
    }
    if (offsets.size() >= mostKept) {
        offsets.clear();
    }
    const int start = QDateTime(day, QTime(0, 0)).offsetFromUtc();
    const int noon = QDateTime(day, QTime(12, 0)).offsetFromUtc();
    const int end = QDateTime(day.addDays(1), QTime(0, 0)).offsetFromUtc();
    std::optional<int> offset;
    if (start == noon && noon == end) {
        offset = start;
    }
    offsets.emplace(key, offset);
    return offset;
}

std::optional<qint64> steadyMSecsTo(const QDateTime &from, const QDateTime &to)
{
    if (from.timeSpec() != Qt::LocalTime || to.timeSpec() != Qt::LocalTime || !from.isValid() ||
        !to.isValid()) {
        return std::nullopt;
    }
    const QDate fromDay = from.date();
    const QDate toDay = to.date();
    const std::optional<int> fromOffset = steadyOffset(fromDay);
    const std::optional<int> toOffset = steadyOffset(toDay);
    if (!fromOffset || !toOffset) {
        return std::nullopt;
    }
    // UTC is the wall clock less the offset.
    const qint64 wall = (toDay.toJulianDay() - fromDay.toJulianDay()) * msecsPerDay +
                        to.time().msecsSinceStartOfDay() - from.time().msecsSinceStartOfDay();
    return wall - qint64{*toOffset - *fromOffset} * 1000;
}

} // namespace

QDateTime localDateTime(const QDate &day, const QTime &time)
{
    // Whole minutes of a day the clocks keep, as reports give them. On a day they change, an
    // hour that comes twice is read by the C library as its state has it: asked every time.
    if (!day.isValid() || !time.isValid() || time.second() != 0 || time.msec() != 0 ||
        !steadyOffset(day)) {
        return {day, time};
    }
    thread_local std::unordered_map<qint64, QDateTime> moments;
    const qint64 key = day.toJulianDay() * minutesPerDay + qint64{time.hour()} * 60 + time.minute();
    if (const auto found = moments.find(key); found != moments.end()) {
        return found->second;
    }
    if (moments.size() >= mostKept) {
        moments.clear();
    }
    return moments.emplace(key, QDateTime(day, time)).first->second;
}

qint64 localSecsTo(const QDateTime &from, const QDateTime &to)
{
    const std::optional<qint64> msecs = steadyMSecsTo(from, to);
    return msecs ? *msecs / 1000 : from.secsTo(to);
}

qint64 localMSecsTo(const QDateTime &from, const QDateTime &to)
{
    const std::optional<qint64> msecs = steadyMSecsTo(from, to);
    return msecs ? *msecs : from.msecsTo(to);
}
