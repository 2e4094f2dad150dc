// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sharedstate.h"
#include "exercise/confirmwindow.h"
#include "exercise/evaluation.h"
#include "exercise/exercisewindow.h"
#include "feedback/correctwindow.h"
#include "feedback/quitwindow.h"
#include "feedback/wrongwindow.h"
#include "results/reportencoder.h"
#include "results/summarywindow.h"
#include "results/teacherdatawindow.h"
#include "signin/welcomewindow.h"
#include "support/sequencesource.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// What a screen reader gets from each window: names for the controls, and the window's message
// with the control that has the focus when it opens.
class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void exerciseReadsAsOneSentence();
    void openingWindowsCarryTheirMessage();
};

namespace {
const QLocale czech(QLocale::Czech, QLocale::Czechia);

QString spoken(QObject *object, QAccessible::Text what)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face != nullptr ? face->text(what) : QStringLiteral("<no interface>");
}

QString focusedDescription(QWidget &window)
{
    QWidget *focused = window.focusWidget();
    return focused != nullptr ? spoken(focused, QAccessible::Description) : QString();
}
} // namespace

void AccessibilityTest::exerciseReadsAsOneSentence()
{
    SharedState state;
    // a voltage problem: 2,199 kΩ first, then a current
    SequenceSource random({0.01F, 0.5F, 0.25F, 0.0021F, 0.25F, 0.5F});
    ExerciseWindow window(state, random, czech);
    window.load();
    auto *answer = window.findChild<QLineEdit *>("txtVysl");
    QCOMPARE(spoken(answer, QAccessible::Name), QStringLiteral("Výsledek"));
    const QString sentence = spoken(answer, QAccessible::Description);
    QVERIFY2(sentence.startsWith(QStringLiteral("Odpor 2,199 kΩ, proud ")) &&
                 sentence.endsWith(QStringLiteral("A. Vypočítej napětí.")),
             qPrintable(sentence));

    auto *prefixes = window.findChild<QComboBox *>("cmbPredp");
    QCOMPARE(spoken(prefixes, QAccessible::Name), QStringLiteral("Předpona"));
    QCOMPARE(spoken(prefixes, QAccessible::Description), QStringLiteral("bez předpony"));
    QStringList items;
    for (int i = 0; i < prefixes->count(); ++i) {
        items << prefixes->itemData(i, Qt::AccessibleTextRole).toString();
    }
    QCOMPARE(items, (QStringList{"mikro", "mili", "bez předpony", "kilo", "mega", "giga"}));
    prefixes->setCurrentIndex(3);
    QCOMPARE(spoken(prefixes, QAccessible::Description), QStringLiteral("kilo"));
}

void AccessibilityTest::openingWindowsCarryTheirMessage()
{
    SharedState state;
    state.problemKind = 2;
    state.mantissaA = 2.0F;
    state.prefixA = 1;
    state.mantissaB = 10.0F;
    state.prefixB = 0;
    state.answerMantissa = 20.0;
    state.answerPrefix = 1;

    ConfirmWindow confirm(state, czech);
    QCOMPARE(focusedDescription(confirm),
             QStringLiteral("Zadal jsi proud 20,000 kA. Jseš si úplně jist?"));

    evaluateAnswer(state);
    WrongWindow wrong(state, czech);
    QCOMPARE(focusedDescription(wrong),
             QStringLiteral("No nic, přeci chybami se člověk učí ne!? Správně to mělo vypadat "
                            "takto. Odpor 2,000 kΩ, napětí 10,000 V. Proud měl být 5,000 mA. "
                            "Násobil(a) jsi, ale tady se dělí: I = U / R."));

    CorrectWindow good;
    QCOMPARE(focusedDescription(good),
             QStringLiteral("Velmi dobře. Na poslední otázku jsi odpověděl naprosto správně!"));
    QuitWindow quit;
    QCOMPARE(focusedDescription(quit), QStringLiteral("Opravdu skončit?"));

    state.emailMode = true;
    state.correctCount = 2;
    state.wrongCount = 1;
    SequenceSource random;
    ReportEncoder encoder(random);
    SummaryWindow summary(state, encoder, QString(), czech);
    QCOMPARE(focusedDescription(summary),
             QStringLiteral("Dnes jsi spočítal 3 příklady, dobře 2 příklady, špatně 1 příklad. "
                            "Celkem jsi spočítal není k dispozici, dobře není k dispozici, "
                            "špatně není k dispozici."));

    TeacherDataWindow data(encoder);
    QCOMPARE(spoken(data.focusWidget(), QAccessible::Name), QStringLiteral("Zakódovaný výsledek"));

    QTemporaryDir none;
    WelcomeWindow welcome(state, encoder, none.filePath(QStringLiteral("missing.db")));
    QCOMPARE(spoken(welcome.findChild<QComboBox *>("Users"), QAccessible::Name),
             QStringLiteral("Vyber svůj profil"));
    QCOMPARE(spoken(welcome.findChild<QLineEdit *>("Jm"), QAccessible::Name),
             QStringLiteral("Jméno:"));
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
