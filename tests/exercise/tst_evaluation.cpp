// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/evaluation.h"

#include "app/sharedstate.h"

#include <QTest>

class EvaluationTest : public QObject
{
    Q_OBJECT

private slots:
    void strictTenPerCentBounds_data();
    void strictTenPerCentBounds();
    void prefixDoesNotMatter();
    void countsAndKeepsTheCorrectResult();
};

namespace {
// A voltage problem whose correct result is 10 V: 2 Ω × 5 A.
SharedState tenVolts()
{
    SharedState s;
    s.problemKind = 0;
    s.mantissaA = 2.0F;
    s.prefixA = 0;
    s.mantissaB = 5.0F;
    s.prefixB = 0;
    return s;
}
} // namespace

void EvaluationTest::strictTenPerCentBounds_data()
{
    QTest::addColumn<double>("answer");
    QTest::addColumn<bool>("right");
    QTest::newRow("9 is out") << 9.0 << false;
    QTest::newRow("11 is out") << 11.0 << false;
    QTest::newRow("9.001 is in") << 9.001 << true;
    QTest::newRow("10.999 is in") << 10.999 << true;
    QTest::newRow("exact") << 10.0 << true;
}

void EvaluationTest::strictTenPerCentBounds()
{
    QFETCH(double, answer);
    QFETCH(bool, right);
    SharedState s = tenVolts();
    s.answerMantissa = answer;
    QCOMPARE(evaluateAnswer(s), right);
}

void EvaluationTest::prefixDoesNotMatter()
{
    // 5 V across 2 mA: 2500 Ω.
    SharedState s;
    s.problemKind = 1;
    s.mantissaA = 2.0F;
    s.prefixA = -1;
    s.mantissaB = 5.0F;
    s.prefixB = 0;
    QCOMPARE(correctResult(s), 2500.0);

    SharedState kilo = s;
    kilo.answerMantissa = 2.5;
    kilo.answerPrefix = 1;
    QVERIFY(evaluateAnswer(kilo));

    SharedState plain = s;
    plain.answerMantissa = 2.5;
    plain.answerPrefix = 0;
    QVERIFY(!evaluateAnswer(plain));

    // 0.5 A written with no prefix or as 500 m: judged alike. 10 V / 20 Ω.
    SharedState current;
    current.problemKind = 2;
    current.mantissaA = 20.0F;
    current.mantissaB = 10.0F;
    SharedState milli = current;
    current.answerMantissa = 0.5;
    milli.answerMantissa = 500.0;
    milli.answerPrefix = -1;
    QVERIFY(evaluateAnswer(current));
    QVERIFY(evaluateAnswer(milli));
}

void EvaluationTest::countsAndKeepsTheCorrectResult()
{
    SharedState s = tenVolts();
    s.answerMantissa = 3.0;
    QVERIFY(!evaluateAnswer(s));
    QCOMPARE(s.wrongCount, 1);
    QCOMPARE(s.correctCount, 0);
    QCOMPARE(s.answerMantissa, 10.0);

    s.answerMantissa = 10.0;
    QVERIFY(evaluateAnswer(s));
    QCOMPARE(s.correctCount, 1);
    QCOMPARE(s.wrongCount, 1);

    s.correctCount = std::numeric_limits<std::int32_t>::max();
    s.answerMantissa = 10.0;
    QVERIFY_THROWS_EXCEPTION(std::overflow_error, evaluateAnswer(s));
}

QTEST_APPLESS_MAIN(EvaluationTest)
#include "tst_evaluation.moc"
