// SPDX-License-Identifier: GPL-3.0-or-later
#include "feedback/correctwindow.h"
#include "feedback/quitwindow.h"
#include "feedback/wrongwindow.h"

#include "app/sharedstate.h"
#include "exercise/evaluation.h"
#include "support/modaldriver.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class FeedbackWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void fixedTexts();
    void enterGoesOnEscQuits();
    void closingOtherwiseGoesOn();
    void wrongAnswerShowsTheWorkedProblem();
    void resistanceResultInRed();
    void resultRescaling_data();
    void resultRescaling();
    void wrongAnswerNamesTheMistakeWhenOneFits();
};

namespace {
const QLocale czech(QLocale::Czech, QLocale::Czechia);

SharedState judgedWrong(std::uint8_t kind, float a, std::int16_t pa, float b, std::int16_t pb)
{
    SharedState s;
    s.problemKind = kind;
    s.mantissaA = a;
    s.prefixA = pa;
    s.mantissaB = b;
    s.prefixB = pb;
    s.answerMantissa = 1e-3; // far off
    s.answerPrefix = -2;
    evaluateAnswer(s);
    return s;
}
} // namespace

void FeedbackWindowsTest::fixedTexts()
{
    CorrectWindow good;
    QCOMPARE(good.objectName(), QStringLiteral("Good"));
    QCOMPARE(good.windowTitle(), QStringLiteral("Gratuluji"));
    QCOMPARE(labelText(good, "Label1"), QStringLiteral("Velmi dobře"));
    QCOMPARE(labelText(good, "Label2"),
             QStringLiteral("Na poslední otázku jsi odpověděl naprosto správně!"));
    QCOMPARE(good.findChild<QPushButton *>("cmdPokrocit")->text(), QStringLiteral("&POKRAČOVAT"));
    QCOMPARE(good.findChild<QPushButton *>("cmdKonec")->text(), QStringLiteral("&KONEC"));
    QVERIFY(!(good.windowFlags() & Qt::WindowCloseButtonHint));

    QuitWindow quit;
    QCOMPARE(quit.objectName(), QStringLiteral("Konec"));
    QCOMPARE(quit.windowTitle(), QStringLiteral("Konec ?"));
    QCOMPARE(labelText(quit, "Label1"), QStringLiteral("Opravdu skončit?"));
    QVERIFY(quit.findChild<QPushButton *>("cmdJedeme")->isDefault());
}

void FeedbackWindowsTest::enterGoesOnEscQuits()
{
    SharedState state = judgedWrong(0, 2.2F, 1, 5.0F, -1);
    CorrectWindow good;
    QuitWindow quit;
    WrongWindow bad(state, czech);
    for (ContinueOrQuitDialog *window :
         std::initializer_list<ContinueOrQuitDialog *>{&good, &quit, &bad}) {
        QSignalSpy quitRequested(window, &ContinueOrQuitDialog::quitRequested);
        window->show();
        QTest::keyClick(window, Qt::Key_Escape);
        QCOMPARE(quitRequested.count(), 1);
        QVERIFY2(window->isVisible(), "Esc asks the flow; the window does not close itself");
        QTest::keyClick(window, Qt::Key_Return);
        QCOMPARE(quitRequested.count(), 1);
        QVERIFY(!window->isVisible());
        QCOMPARE(window->result(), int(QDialog::Accepted));
    }
}

void FeedbackWindowsTest::closingOtherwiseGoesOn()
{
    CorrectWindow good;
    QSignalSpy quitRequested(&good, &ContinueOrQuitDialog::quitRequested);
    good.show();
    good.close();
    QCOMPARE(quitRequested.count(), 0);
    QCOMPARE(good.result(), int(QDialog::Accepted));
}

void FeedbackWindowsTest::wrongAnswerShowsTheWorkedProblem()
{
    // 2.2 kΩ × 5 mA = 11 V
    SharedState state = judgedWrong(0, 2.2F, 1, 5.0F, -1);
    WrongWindow bad(state, czech);
    QCOMPARE(bad.objectName(), QStringLiteral("Bed"));
    QCOMPARE(bad.windowTitle(), QStringLiteral("Špatně"));
    QCOMPARE(
        labelText(bad, "Label4"),
        QStringLiteral("No nic, přeci chybami se člověk učí ne!? Správně to mělo vypadat takto."));
    const QStringList names = {"lblNadp0", "lblHod0", "lblPredp0", "lblJedn0",
                               "lblNadp1", "lblHod1", "lblPredp1", "lblJedn1",
                               "lblNadp2", "lblHod2", "lblPredp2", "lblJedn2"};
    const QStringList expected = {"Odpor",           "2,200",  "k", "\u03A9",
                                  "Proud",           "5,000",  "m", "A",
                                  "Napětí mělo být", "11,000", "",  "V"};
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(labelText(bad, names.at(i)), expected.at(i));
    }
    // The shared value now holds the mantissa shown.
    QVERIFY(qAbs(state.answerMantissa - 11.0) < 1e-5);
}

void FeedbackWindowsTest::resistanceResultInRed()
{
    // 10 V across 4 mA: 2.5 kΩ
    SharedState state = judgedWrong(1, 4.0F, -1, 10.0F, 0);
    WrongWindow bad(state, czech);
    QCOMPARE(labelText(bad, "lblNadp2"), QStringLiteral("Odpor měl být"));
    QCOMPARE(labelText(bad, "lblHod2"), QStringLiteral("2,500"));
    QCOMPARE(labelText(bad, "lblPredp2"), QStringLiteral("k"));
    auto *unit = bad.findChild<QLabel *>("lblJedn2");
    QCOMPARE(unit->text(), QStringLiteral("\u03A9"));
    QCOMPARE(unit->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    QCOMPARE(unit->font().pointSizeF(), 20.25);
    QVERIFY(unit->font().bold());
    QCOMPARE(labelText(bad, "lblJedn0"), QStringLiteral("A"));
    QCOMPARE(labelText(bad, "lblJedn1"), QStringLiteral("V"));
    QCOMPARE(bad.findChild<QLabel *>("lblJedn0")->font().pointSizeF(), 8.0);
}

void FeedbackWindowsTest::resultRescaling_data()
{
    QTest::addColumn<double>("result");
    QTest::addColumn<QString>("mantissa");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("exactly 0.1") << 0.1 << "0,100"
                                 << "";
    QTest::newRow("exactly 0.0001") << 0.0001 << "0,100"
                                    << "m";
    QTest::newRow("exactly 999.999") << 999.999 << "1,000"
                                     << "k";
    QTest::newRow("50 mA") << 0.05 << "50,000"
                           << "m";
    QTest::newRow("below the table") << 9.99e-8 << "0,100"
                                     << "\u00B5";
}

void FeedbackWindowsTest::resultRescaling()
{
    QFETCH(double, result);
    QFETCH(QString, mantissa);
    QFETCH(QString, prefix);
    SharedState state;
    state.problemKind = 2;
    state.mantissaA = 1.0F;
    state.mantissaB = 1.0F;
    state.answerMantissa = result;
    WrongWindow bad(state, czech);
    QCOMPARE(labelText(bad, "lblHod2"), mantissa);
    QCOMPARE(labelText(bad, "lblPredp2"), prefix);
    QCOMPARE(labelText(bad, "lblNadp2"), QStringLiteral("Proud měl být"));
}

void FeedbackWindowsTest::wrongAnswerNamesTheMistakeWhenOneFits()
{
    // 5 V / 2 mA = 2.5 kΩ, answered as 2.5 MΩ
    SharedState state;
    state.problemKind = 1;
    state.mantissaA = 2.0F;
    state.prefixA = -1;
    state.mantissaB = 5.0F;
    state.prefixB = 0;
    state.answerMantissa = 2.5;
    state.answerPrefix = 2;
    QVERIFY(!evaluateAnswer(state));
    WrongWindow withHint(state, czech);
    const QString hint = QStringLiteral("Číslo máš správně, ale předponu ne: mělo být k, ne M.");
    QCOMPARE(labelText(withHint, "lblChyba"), hint);
    QCOMPARE(labelText(withHint, "lblHod2"), QStringLiteral("2,500"));
    auto *goOn = withHint.findChild<QPushButton *>("cmdPokrocit");
    QVERIFY(goOn->geometry().top() >=
            withHint.findChild<QLabel *>("lblChyba")->geometry().bottom());
    QVERIFY(goOn->geometry().bottom() < withHint.height());

    // far off: no sentence, and the window keeps its size
    SharedState far = judgedWrong(1, 2.0F, -1, 5.0F, 0);
    WrongWindow plain(far, czech);
    QVERIFY(plain.findChild<QLabel *>("lblChyba") == nullptr);
    QVERIFY(plain.height() < withHint.height());
}

QTEST_MAIN(FeedbackWindowsTest)
#include "tst_feedbackwindows.moc"
