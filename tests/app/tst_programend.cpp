// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/programend.h"
#include "app/uniformsource.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class ProgramEndTest : public QObject
{
    Q_OBJECT

private slots:
    void leavesEveryLoopOnce();
    void clockSourceStaysBelowOne();
};

void ProgramEndTest::leavesEveryLoopOnce()
{
    ProgramEnd end;
    QSignalSpy ended(&end, &ProgramEnd::ended);
    bool innerReturned = false;
    QTimer::singleShot(0, [&] {
        // A modal window's loop nested in the main one: both must return.
        QEventLoop inner;
        QTimer::singleShot(0, [&] {
            end.endProgram(3);
            end.endProgram(5);
        });
        inner.exec();
        innerReturned = true;
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(5000);

    QCOMPARE(QCoreApplication::exec(), 3);
    QVERIFY(innerReturned);
    QVERIFY(end.hasEnded());
    QCOMPARE(end.status(), 3);
    QCOMPARE(ended.count(), 1);
}

void ProgramEndTest::clockSourceStaysBelowOne()
{
    ClockSeededSource source;
    source.seedFromClock();
    float smallest = 1.0F;
    float largest = 0.0F;
    for (int i = 0; i < 1'000'000; ++i) {
        const float r = source.next();
        QVERIFY(r >= 0.0F && r < 1.0F);
        smallest = std::min(smallest, r);
        largest = std::max(largest, r);
    }
    QVERIFY(smallest < 1e-4F);
    QVERIFY(largest > 0.9999F);
}

QTEST_GUILESS_MAIN(ProgramEndTest)
#include "tst_programend.moc"
