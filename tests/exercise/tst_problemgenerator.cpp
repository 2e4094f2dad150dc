// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/evaluation.h"
#include "exercise/problemgenerator.h"

#include "app/sharedstate.h"
#include "app/uniformsource.h"
#include "support/sequencesource.h"

#include <QTest>

#include <cmath>

class ProblemGeneratorTest : public QObject
{
    Q_OBJECT

private slots:
    void drawsSixNumbersInOrder();
    void valuesStayInsideTheirRanges();
    void belowOneHalfOfDrawValue();
    void truncationCutsTowardMinusInfinity();
    void smallestSecondValueKeepsAListedPrefix();
};

namespace {
bool hasAtMostThreeDecimals(float mantissa)
{
    // The nearest float to some number of thousandths.
    const double thousandths = std::round(static_cast<double>(mantissa) * 1000.0);
    return mantissa == static_cast<float>(thousandths / 1000.0);
}

double baseValue(float mantissa, std::int16_t prefix)
{
    return static_cast<double>(mantissa) * prefixFactor(prefix);
}
} // namespace

void ProblemGeneratorTest::drawsSixNumbersInOrder()
{
    // kind 1 (resistance asked), prefix index 1, first mantissa from the whole interval,
    // second value drawn in its below-one half.
    SequenceSource source({0.5F, 0.5F, 0.25F, 0.5F, 0.75F, 0.5F});
    std::uint8_t kind = 9;
    float mantissaA = 0;
    std::int16_t prefixA = 0;
    float mantissaB = 0;
    std::int16_t prefixB = 0;
    generateProblem(source, kind, mantissaA, prefixA, mantissaB, prefixB);

    QCOMPARE(source.draws(), 6);
    QCOMPARE(kind, std::uint8_t{1});
    QCOMPARE(prefixA, std::int16_t{1});
    // 0.1 + (999.999 - 0.1) * 0.5, truncated to thousandths
    QCOMPARE(mantissaA, 500.049F);
    // first value 500.049 k; lower bound 5.00049e-2, top 1 (r1 = 0.75 > 0.5)
    const double lower = 500049.0 * 1e-7;
    double expected = lower + (1.0 - lower) * 0.5;
    std::int16_t expectedPrefix = 0;
    normalizeToPrefix(expected, expectedPrefix);
    QCOMPARE(prefixB, expectedPrefix);
    QCOMPARE(mantissaB, static_cast<float>(truncateToThousandths(expected)));
}

void ProblemGeneratorTest::valuesStayInsideTheirRanges()
{
    ClockSeededSource source;
    source.seedFromClock();
    int kinds[3] = {0, 0, 0};
    int voltageExceptions = 0;
    for (int i = 0; i < 200000; ++i) {
        SharedState s;
        generateProblem(source, s.problemKind, s.mantissaA, s.prefixA, s.mantissaB, s.prefixB);
        QVERIFY(s.problemKind <= 2);
        ++kinds[s.problemKind];
        for (const auto &[mantissa, prefix] :
             {std::pair{s.mantissaA, s.prefixA}, std::pair{s.mantissaB, s.prefixB}}) {
            QVERIFY2(mantissa >= 0.1F && mantissa <= 999.998F,
                     qPrintable(QString::number(mantissa)));
            QVERIFY(hasAtMostThreeDecimals(mantissa));
            QVERIFY(prefix >= -2 && prefix <= 3);
        }
        const double second = baseValue(s.mantissaB, s.prefixB);
        QVERIFY2(second >= 1e-7 * (1 - 1e-9) && second <= 9.99e11,
                 qPrintable(QString::number(second)));

        // Truncating the second mantissa may cost up to one per cent at the very bottom.
        const double result = correctResult(s);
        QVERIFY2(result >= 0.99e-7, qPrintable(QString::number(result)));
        const double first = baseValue(s.mantissaA, s.prefixA);
        if (result > 9.99e11) {
            // Only a voltage problem with a resistance beyond 999 G may pass the top.
            QCOMPARE(s.problemKind, std::uint8_t{0});
            QVERIFY(first > 9.99e11);
            QVERIFY(result < first);
            ++voltageExceptions;
        }
    }
    for (const int count : kinds) {
        QVERIFY(count > 60000 && count < 73000);
    }
    QVERIFY(voltageExceptions < 200);
}

void ProblemGeneratorTest::belowOneHalfOfDrawValue()
{
    // r1 above one half: the top becomes 1 while the lower bound lies in [0, 1].
    SequenceSource high({0.75F, 0.5F});
    QCOMPARE(drawValue(0.1, 999.999, high), 0.1 + 0.9 * 0.5);
    // exactly one half keeps the whole interval
    SequenceSource half({0.5F, 0.5F});
    QCOMPARE(drawValue(0.1, 999.999, half), 0.1 + (999.999 - 0.1) * 0.5);
    // a lower bound above 1 always draws from the whole interval
    SequenceSource aboveOne({0.99F, 0.0F});
    QCOMPARE(drawValue(2.0, 10.0, aboveOne), 2.0);
    // lower bound exactly 1: top 1, the value is 1
    SequenceSource one({0.99F, 0.3F});
    QCOMPARE(drawValue(1.0, 10.0, one), 1.0);

    // The first mantissa: about half of them below 1.
    ClockSeededSource source;
    source.seedFromClock();
    int belowOne = 0;
    const int n = 40000;
    for (int i = 0; i < n; ++i) {
        if (drawValue(0.1, 999.999, source) < 1.0) {
            ++belowOne;
        }
    }
    QVERIFY2(belowOne > n * 0.48 && belowOne < n * 0.52, qPrintable(QString::number(belowOne)));
}

void ProblemGeneratorTest::truncationCutsTowardMinusInfinity()
{
    QCOMPARE(truncateToThousandths(1.2349), 1.234);
    QCOMPARE(truncateToThousandths(0.1), 0.1);
    QCOMPARE(truncateToThousandths(999.9989), 999.998);
    QCOMPARE(truncateToThousandths(-1.2341), -1.235);
}

void ProblemGeneratorTest::smallestSecondValueKeepsAListedPrefix()
{
    // A current of 0.1 µA makes the bounds of the voltage [1e-14, ...], clamped to 1e-7; the
    // draws then give exactly 1e-7, which rescales to 0.0999... below "µ".
    SequenceSource source({0.5F, 0.0F, 0.0F, 0.0F, 0.0F, 0.0F});
    SharedState s;
    generateProblem(source, s.problemKind, s.mantissaA, s.prefixA, s.mantissaB, s.prefixB);
    QCOMPARE(s.problemKind, std::uint8_t{1});
    QCOMPARE(baseValue(s.mantissaA, s.prefixA), 0.1F * 1e-6);
    QCOMPARE(s.prefixB, std::int16_t{-2});
    QCOMPARE(s.mantissaB, 0.1F);
}

QTEST_APPLESS_MAIN(ProblemGeneratorTest)
#include "tst_problemgenerator.moc"
