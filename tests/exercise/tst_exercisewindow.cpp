// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/confirmwindow.h"
#include "exercise/exercisewindow.h"

#include "app/sharedstate.h"
#include "support/modaldriver.h"
#include "support/sequencesource.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class ExerciseWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void loadSeedsAndShowsAProblem();
    void unitsFollowTheProblemKind_data();
    void unitsFollowTheProblemKind();
    void rejectedAnswerKeepsEverything();
    void oneEnterSubmitsOnce();
    void newProblemOnlyAfterAJudgement();
    void escAndCloseBoxAskToQuit();
    void confirmationShowsTheTypedAnswer();
};

namespace {
const QLocale czech(QLocale::Czech, QLocale::Czechia);

// Draws for a problem of the given kind: 2,199 k first (2.19978 truncated), the second in its
// whole interval.
QList<float> drawsForKind(int kind)
{
    return {static_cast<float>(kind) / 3.0F + 0.01F, 0.5F, 0.25F, 0.0021F, 0.25F, 0.5F};
}
} // namespace

void ExerciseWindowTest::loadSeedsAndShowsAProblem()
{
    SharedState state;
    SequenceSource random(drawsForKind(0));
    ExerciseWindow window(state, random, czech);
    window.load();
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowTitle(), QStringLiteral("Tesilka Ohmova zákona"));
    // the menu's icon, from the window library's resources
    QVERIFY(!window.windowIcon().pixmap(32, 32).isNull());
    QCOMPARE(random.seeds(), 1);
    QCOMPARE(random.draws(), 6);
    QCOMPARE(labelText(window, "lblT0"), QStringLiteral("Odpor:"));
    QCOMPARE(labelText(window, "lblHod0"), QStringLiteral("2,199"));
    QCOMPARE(labelText(window, "lblPredp0"), QStringLiteral("k"));
    auto *answer = window.findChild<QLineEdit *>("txtVysl");
    auto *prefixes = window.findChild<QComboBox *>("cmbPredp");
    QCOMPARE(prefixes->count(), 6);
    QCOMPARE(prefixes->itemText(0), QStringLiteral("\u00B5"));
    QCOMPARE(prefixes->currentIndex(), 2);
    QCOMPARE(prefixes->currentText(), QString());
    QCOMPARE(answer->maxLength(), 7);
    QCOMPARE(window.focusWidget(), answer);
}

void ExerciseWindowTest::unitsFollowTheProblemKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("texts");
    const QString omega = QStringLiteral("\u03A9");
    QTest::newRow("voltage") << 0
                             << QStringList{
                                    "Odpor:", omega, "Proud:", "A", "Vypočítej napětí:", "V"};
    QTest::newRow("resistance") << 1 << QStringList{"Proud:",           "A",  "Napětí:", "V",
                                                    "Vypočítej odpor:", omega};
    QTest::newRow("current") << 2 << QStringList{"Odpor:",           omega, "Napětí:", "V",
                                                 "Vypočítej proud:", "A"};
}

void ExerciseWindowTest::unitsFollowTheProblemKind()
{
    QFETCH(int, kind);
    QFETCH(QStringList, texts);
    SharedState state;
    SequenceSource random(drawsForKind(1));
    ExerciseWindow window(state, random, czech);
    window.load();
    // The next problem replaces every caption of the previous one.
    random.setValues(drawsForKind(kind));
    window.showNewProblem();
    QCOMPARE(state.problemKind, std::uint8_t(kind));
    const QStringList names = {"lblT0",        "lblJednotky0", "lblT1",
                               "lblJednotky1", "lblT2",        "lblJednotky2"};
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(labelText(window, names.at(i)), texts.at(i));
    }
}

void ExerciseWindowTest::rejectedAnswerKeepsEverything()
{
    SharedState state;
    SequenceSource random(drawsForKind(0));
    ExerciseWindow window(state, random, czech);
    window.load();
    QSignalSpy accepted(&window, &ExerciseWindow::answerAccepted);
    auto *answer = window.findChild<QLineEdit *>("txtVysl");
    auto *prefixes = window.findChild<QComboBox *>("cmbPredp");
    const SharedState before = state;

    for (const QString &typed : {QStringLiteral("1000"), QStringLiteral("0,09"), QString(),
                                 QStringLiteral("abc"), QStringLiteral("-5")}) {
        answer->setText(typed);
        prefixes->setCurrentIndex(4);
        QString title;
        QString message;
        QMessageBox::Icon icon = QMessageBox::Critical;
        int buttons = 0;
        ModalDriver driver;
        driver.then("answerRejected", [&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            title = box->windowTitle();
            message = box->text();
            icon = box->icon();
            buttons = static_cast<int>(box->buttons().size());
            box->accept();
        });
        driver.start();
        QTest::keyClick(answer, Qt::Key_Return);
        QVERIFY(driver.finished());
        QCOMPARE(title, QStringLiteral("Zkus to znovu"));
        QCOMPARE(message, QStringLiteral("Zkus zadat nějaké hezké jednotky."));
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(buttons, 1);
        QCOMPARE(answer->text(), typed);
        QCOMPARE(answer->selectedText(), typed);
        QCOMPARE(prefixes->currentIndex(), 4);
    }
    QCOMPARE(accepted.count(), 0);
    QCOMPARE(state.mantissaA, before.mantissaA);
    QCOMPARE(state.answerMantissa, before.answerMantissa);
    QCOMPARE(random.draws(), 6);
}

void ExerciseWindowTest::oneEnterSubmitsOnce()
{
    SharedState state;
    SequenceSource random(drawsForKind(0));
    ExerciseWindow window(state, random, czech);
    window.load();
    QSignalSpy accepted(&window, &ExerciseWindow::answerAccepted);
    auto *answer = window.findChild<QLineEdit *>("txtVysl");
    auto *prefixes = window.findChild<QComboBox *>("cmbPredp");

    QTest::keyClicks(answer, QStringLiteral("2,5"));
    prefixes->setCurrentIndex(0);
    QTest::keyClick(answer, Qt::Key_Return);
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(state.answerMantissa, 2.5);
    QCOMPARE(state.answerPrefix, std::int16_t{-2});

    prefixes->setCurrentIndex(5);
    QTest::keyClick(prefixes, Qt::Key_Enter);
    QCOMPARE(accepted.count(), 2);
    QCOMPARE(state.answerPrefix, std::int16_t{3});

    QTest::mouseClick(window.findChild<QPushButton *>("cmdJedeme"), Qt::LeftButton);
    QCOMPARE(accepted.count(), 3);
}

void ExerciseWindowTest::newProblemOnlyAfterAJudgement()
{
    SharedState state;
    SequenceSource random(drawsForKind(0));
    ExerciseWindow window(state, random, czech);
    window.load();
    auto *answer = window.findChild<QLineEdit *>("txtVysl");
    auto *prefixes = window.findChild<QComboBox *>("cmbPredp");

    // Not judged (the confirmation was declined): problem, text and prefix stay.
    bool judge = false;
    bool hideWhileJudging = false;
    connect(&window, &ExerciseWindow::answerAccepted, &window, [&] {
        if (judge) {
            ++state.wrongCount;
        }
        if (hideWhileJudging) {
            window.hide();
        }
    });
    answer->setText(QStringLiteral("12"));
    prefixes->setCurrentIndex(3);
    QTest::keyClick(answer, Qt::Key_Return);
    QCOMPARE(random.draws(), 6);
    QCOMPARE(answer->text(), QStringLiteral("12"));
    QCOMPARE(prefixes->currentIndex(), 3);

    // Judged: exactly one new problem, cleared answer, empty prefix.
    judge = true;
    QTest::keyClick(answer, Qt::Key_Return);
    QCOMPARE(random.draws(), 12);
    QCOMPARE(answer->text(), QString());
    QCOMPARE(prefixes->currentIndex(), 2);

    // Judged, but the run ended meanwhile: no further problem in the hidden window.
    hideWhileJudging = true;
    answer->setText(QStringLiteral("12"));
    QTest::keyClick(answer, Qt::Key_Return);
    QCOMPARE(random.draws(), 12);
}

void ExerciseWindowTest::escAndCloseBoxAskToQuit()
{
    SharedState state;
    SequenceSource random(drawsForKind(0));
    ExerciseWindow window(state, random, czech);
    window.load();
    QSignalSpy quit(&window, &ExerciseWindow::quitRequested);
    QSignalSpy close(&window, &ExerciseWindow::closeRequested);

    QTest::keyClick(window.findChild<QLineEdit *>("txtVysl"), Qt::Key_Escape);
    QCOMPARE(quit.count(), 1);
    QVERIFY(window.isVisible());

    QTest::mouseClick(window.findChild<QPushButton *>("cmdKonec"), Qt::LeftButton);
    QCOMPARE(quit.count(), 2);

    QVERIFY(!window.close());
    QCOMPARE(close.count(), 1);
    QVERIFY(window.isVisible());
    QCOMPARE(quit.count(), 2);
}

void ExerciseWindowTest::confirmationShowsTheTypedAnswer()
{
    SharedState state;
    state.problemKind = 1;
    state.answerMantissa = 2.5;
    state.answerPrefix = 1;
    ConfirmWindow window(state, czech);
    QCOMPARE(window.windowTitle(), QStringLiteral("Opravdu ?"));
    QCOMPARE(labelText(window, "lblInfo"), QStringLiteral("Zadal jsi odpor"));
    QCOMPARE(labelText(window, "lblVysledek"), QStringLiteral("2,500"));
    QCOMPARE(labelText(window, "lblPredp"), QStringLiteral("k"));
    QCOMPARE(labelText(window, "lblJedn"), QStringLiteral("\u03A9"));
    QCOMPARE(labelText(window, "Label3"), QStringLiteral("Jseš si úplně jist?"));

    state.problemKind = 0;
    state.answerMantissa = 999.999;
    state.answerPrefix = 0;
    ConfirmWindow voltage(state, QLocale(QLocale::English));
    QCOMPARE(labelText(voltage, "lblInfo"), QStringLiteral("Zadal jsi napětí"));
    QCOMPARE(labelText(voltage, "lblVysledek"), QStringLiteral("999.999"));
    QCOMPARE(labelText(voltage, "lblPredp"), QString());
    QCOMPARE(labelText(voltage, "lblJedn"), QStringLiteral("V"));

    // Enter confirms, Esc declines.
    QSignalSpy confirmed(&voltage, &ConfirmWindow::confirmed);
    voltage.show();
    QTest::keyClick(&voltage, Qt::Key_Return);
    QCOMPARE(confirmed.count(), 1);
    QTest::keyClick(&voltage, Qt::Key_Escape);
    QCOMPARE(confirmed.count(), 1);
    QVERIFY(!voltage.isVisible());
    QCOMPARE(voltage.result(), int(QDialog::Rejected));
}

QTEST_MAIN(ExerciseWindowTest)
#include "tst_exercisewindow.moc"
