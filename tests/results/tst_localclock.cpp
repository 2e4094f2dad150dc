// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/localclock.h"

#include <QTest>

#include <ctime>

// The decoder's local clock against Qt's over Prague's changes of summer time: 29 March 2026
// (2:00 becomes 3:00) and 25 October 2026 (3:00 becomes 2:00 again), and ordinary days.
class LocalClockTest : public QObject
{
    Q_OBJECT

private slots:
    // Prague, not the machine's own zone.
    void initTestCase()
    {
        QCOMPARE(QDateTime(QDate(2026, 1, 1), QTime(12, 0)).offsetFromUtc(), 3600);
        QCOMPARE(QDateTime(QDate(2026, 7, 1), QTime(12, 0)).offsetFromUtc(), 7200);
    }
    void sameAsQt_data();
    void sameAsQt();
};

void LocalClockTest::sameAsQt_data()
{
    QTest::addColumn<QDateTime>("from");
    QTest::addColumn<QDateTime>("to");
    const auto at = [](int month, int day, int hour, int minute) {
        return std::pair{QDate(2026, month, day), QTime(hour, minute)};
    };
    const QList<
        std::pair<const char *, std::pair<std::pair<QDate, QTime>, std::pair<QDate, QTime>>>>
        cases{
            {"a lesson in winter", {at(1, 12, 9, 55), at(1, 12, 10, 20)}},
            {"end before start", {at(6, 3, 10, 20), at(6, 3, 8, 0)}},
            {"past midnight", {at(7, 31, 23, 50), at(8, 1, 0, 15)}},
            {"over the spring change", {at(3, 29, 1, 30), at(3, 29, 3, 30)}},
            {"in the spring gap", {at(3, 29, 2, 30), at(3, 29, 4, 0)}},
            {"spring eve to next day", {at(3, 28, 22, 0), at(3, 30, 1, 0)}},
            {"over the autumn change", {at(10, 25, 1, 30), at(10, 25, 3, 30)}},
            {"in the autumn overlap", {at(10, 25, 2, 30), at(10, 25, 2, 10)}},
            {"winter to summer", {at(2, 1, 12, 0), at(5, 1, 12, 0)}},
            {"summer to winter", {at(9, 30, 23, 0), at(11, 1, 0, 30)}},
            {"a year back", {at(12, 31, 23, 59), at(1, 1, 0, 0)}},
        };
    for (const auto &[name, times] : cases) {
        QTest::newRow(name) << QDateTime(times.first.first, times.first.second)
                            << QDateTime(times.second.first, times.second.second);
    }
}

void LocalClockTest::sameAsQt()
{
    QFETCH(QDateTime, from);
    QFETCH(QDateTime, to);
    // An hour that comes twice is told apart by the C library's state of the moment: Qt's
    // answer is the one asked for right then.
    for (const QDateTime &moment : {from, to}) {
        const QDateTime made = localDateTime(moment.date(), moment.time());
        const QDateTime qt(moment.date(), moment.time());
        QCOMPARE(made, qt);
        QCOMPARE(made.toString(Qt::ISODateWithMs), qt.toString(Qt::ISODateWithMs));
        QCOMPARE(made.offsetFromUtc(), qt.offsetFromUtc());
        QCOMPARE(localDateTime(moment.date(), moment.time()), qt); // the one kept
    }
    QCOMPARE(localSecsTo(from, to), from.secsTo(to));
    QCOMPARE(localSecsTo(to, from), to.secsTo(from));
    // A moment with seconds, as the clock of the teacher's computer gives it.
    const QDateTime now = to.addMSecs(12'345);
    QCOMPARE(localMSecsTo(now, from), now.msecsTo(from));
    QCOMPARE(localMSecsTo(from, now), from.msecsTo(now));
}

int main(int argc, char **argv)
{
    // Before Qt reads the local zone for the first time.
    qputenv("TZ", "Europe/Prague");
    tzset();
    LocalClockTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_localclock.moc"
