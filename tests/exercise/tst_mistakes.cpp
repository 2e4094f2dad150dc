// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/mistakes.h"

#include "app/sharedstate.h"
#include "exercise/evaluation.h"

#include <QTest>

class MistakesTest : public QObject
{
    Q_OBJECT

private slots:
    void namesTheOneMistakeThatFits_data();
    void namesTheOneMistakeThatFits();
};

void MistakesTest::namesTheOneMistakeThatFits_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<float>("a");
    QTest::addColumn<int>("prefixA");
    QTest::addColumn<float>("b");
    QTest::addColumn<int>("prefixB");
    QTest::addColumn<double>("typed");
    QTest::addColumn<int>("typedPrefix");
    QTest::addColumn<int>("mistake");
    QTest::addColumn<QString>("hint");

    const int none = static_cast<int>(MistakeKind::None);
    const int prefix = static_cast<int>(MistakeKind::WrongPrefix);
    const int multiplied = static_cast<int>(MistakeKind::MultipliedInsteadOfDivided);
    const int divided = static_cast<int>(MistakeKind::DividedInsteadOfMultiplied);
    const int wrongWay = static_cast<int>(MistakeKind::DividedTheWrongWay);

    // voltage: 2.2 kΩ × 5 mA = 11 V
    QTest::newRow("U: milli instead of none")
        << 0 << 2.2F << 1 << 5.0F << -1 << 11.0 << -1 << prefix
        << "Číslo máš správně, ale předponu ne: mělo být bez předpony, ne m.";
    QTest::newRow("U: R / I") << 0 << 2.2F << 1 << 5.0F << -1 << 440.0 << 1 << divided
                              << "Dělil(a) jsi, ale tady se násobí: U = R · I.";
    QTest::newRow("U: I / R") << 0 << 2.2F << 1 << 5.0F << -1 << 2.273 << -2 << divided << "";
    QTest::newRow("U: right") << 0 << 2.2F << 1 << 5.0F << -1 << 10.5 << 0 << none << "";
    QTest::newRow("U: just off") << 0 << 2.2F << 1 << 5.0F << -1 << 12.2 << 0 << none << "";
    QTest::newRow("U: nothing fits") << 0 << 2.2F << 1 << 5.0F << -1 << 50.0 << 0 << none << "";
    // current: 10 V / 2 kΩ = 5 mA
    QTest::newRow("I: U × R") << 2 << 2.0F << 1 << 10.0F << 0 << 20.0 << 1 << multiplied
                              << "Násobil(a) jsi, ale tady se dělí: I = U / R.";
    QTest::newRow("I: R / U") << 2 << 2.0F << 1 << 10.0F << 0 << 200.0 << 0 << wrongWay
                              << "Dělil(a) jsi obráceně: I = U / R.";
    QTest::newRow("I: no prefix") << 2 << 2.0F << 1 << 10.0F << 0 << 5.0 << 0 << prefix
                                  << "Číslo máš správně, ale předponu ne: mělo být m, ne bez "
                                     "předpony.";
    // resistance: 5 V / 2 mA = 2.5 kΩ
    QTest::newRow("R: mega") << 1 << 2.0F << -1 << 5.0F << 0 << 2.5 << 2 << prefix
                             << "Číslo máš správně, ale předponu ne: mělo být k, ne M.";
    QTest::newRow("R: I / U") << 1 << 2.0F << -1 << 5.0F << 0 << 400.0 << -2 << wrongWay
                              << "Dělil(a) jsi obráceně: R = U / I.";
    // 1 V / 1 kΩ: the product 1 k is also the right digits 10^6 off, so either may be meant
    QTest::newRow("I: ambiguous") << 2 << 1.0F << 1 << 1.0F << 0 << 1.0 << 1 << none << "";
}

void MistakesTest::namesTheOneMistakeThatFits()
{
    QFETCH(int, kind);
    QFETCH(float, a);
    QFETCH(int, prefixA);
    QFETCH(float, b);
    QFETCH(int, prefixB);
    QFETCH(double, typed);
    QFETCH(int, typedPrefix);
    QFETCH(int, mistake);
    QFETCH(QString, hint);

    SharedState state;
    state.problemKind = static_cast<std::uint8_t>(kind);
    state.mantissaA = a;
    state.prefixA = static_cast<std::int16_t>(prefixA);
    state.mantissaB = b;
    state.prefixB = static_cast<std::int16_t>(prefixB);
    state.answerMantissa = typed;
    state.answerPrefix = static_cast<std::int16_t>(typedPrefix);
    // as in a run: the evaluation overwrites answerMantissa, the answer must survive elsewhere
    evaluateAnswer(state);

    const Mistake found = classifyMistake(state);
    QCOMPARE(static_cast<int>(found.kind), mistake);
    if (!hint.isEmpty() || mistake == static_cast<int>(MistakeKind::None)) {
        QCOMPARE(mistakeHint(found, state.problemKind), hint);
    }
}

QTEST_APPLESS_MAIN(MistakesTest)
#include "tst_mistakes.moc"
