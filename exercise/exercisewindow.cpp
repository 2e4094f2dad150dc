// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/exercisewindow.h"

#include "app/appicon.h"
#include "app/sharedstate.h"
#include "app/uniformsource.h"
#include "app/windowstyle.h"
#include "exercise/answerinput.h"
#include "exercise/problemgenerator.h"
#include "exercise/quantityformat.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <chrono>

QString spokenPrefix(std::int16_t prefixIndex)
{
    switch (prefixIndex) {
    case -2:
        return ExerciseWindow::tr("mikro");
    case -1:
        return ExerciseWindow::tr("mili");
    case 0:
        return ExerciseWindow::tr("bez předpony");
    case 1:
        return ExerciseWindow::tr("kilo");
    case 2:
        return ExerciseWindow::tr("mega");
    case 3:
        return ExerciseWindow::tr("giga");
    default:
        return {};
    }
}

ExerciseWindow::ExerciseWindow(SharedState &state, UniformSource &random, const QLocale &locale,
                               QWidget *parent)
    : QDialog(parent), state_(state), random_(random), locale_(locale)
{
    setObjectName(QStringLiteral("Start"));
    setWindowTitle(tr("Tesilka Ohmova zákona"));
    setWindowIcon(tesilkaIcon());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setClientTwips(*this, 4200, 2385);
    setFont(dialogFont());

    auto *heading = makeLabel(this, QStringLiteral("Label1"), twipsRect(120, 30, 585, 195),
                              dialogFont(), Qt::AlignHCenter | Qt::AlignTop);
    heading->setText(tr("Zadání:"));

    const QFont rowFont = serifFont(12, true);
    const int rowTops[] = {270, 630};
    for (int row = 0; row < 2; ++row) {
        const int top = rowTops[row];
        const QString index = QString::number(row);
        names_[row] = makeLabel(this, QStringLiteral("lblT") + index,
                                twipsRect(120, top, row == 0 ? 675 : 585, 285), rowFont);
        values_[row] =
            makeLabel(this, QStringLiteral("lblHod") + index, twipsRect(2160, top, 1140, 285),
                      rowFont, Qt::AlignRight | Qt::AlignTop);
        prefixes_[row] = makeLabel(this, QStringLiteral("lblPredp") + index,
                                   twipsRect(3570, top, 255, 255), rowFont);
        units_[row] = makeLabel(this, QStringLiteral("lblJednotky") + index,
                                twipsRect(3840, top, row == 0 ? 285 : 255, 255), rowFont);
    }
    // The names are wider than their boxes in the layout; let them run into the gap.
    names_[0]->setMinimumWidth(twipsToPixels(2000));
    names_[1]->setMinimumWidth(twipsToPixels(2000));

    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setGeometry(twipsRect(120, 990, 3960, 15));

    names_[2] = makeLabel(this, QStringLiteral("lblT2"), twipsRect(120, 1110, 2000, 285), rowFont);
    units_[2] = makeLabel(this, QStringLiteral("lblJednotky2"), twipsRect(3840, 1140, 255, 315),
                          rowFont, Qt::AlignHCenter | Qt::AlignTop);

    answer_ = new QLineEdit(this);
    answer_->setObjectName(QStringLiteral("txtVysl"));
    answer_->setGeometry(twipsRect(2160, 1110, 975, 375));
    answer_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    answer_->setMaxLength(7);
    answer_->setFont(rowFont);
    answer_->setAccessibleName(tr("Výsledek"));

    prefixList_ = new QComboBox(this);
    prefixList_->setObjectName(QStringLiteral("cmbPredp"));
    prefixList_->setGeometry(twipsRect(3180, 1110, 615, 375));
    prefixList_->setFont(serifFont(11.25, true));
    prefixList_->setAccessibleName(tr("Předpona"));
    for (int i = 0; i < listedPrefixCount; ++i) {
        const auto prefix = static_cast<std::int16_t>(i + firstListedPrefix);
        prefixList_->addItem(prefixLetter(prefix));
        prefixList_->setItemData(i, spokenPrefix(prefix), Qt::AccessibleTextRole);
    }
    // The closed list is read by its value, a letter or nothing at all: say the word instead.
    connect(prefixList_, &QComboBox::currentIndexChanged, this, [this](int index) {
        prefixList_->setAccessibleDescription(
            spokenPrefix(static_cast<std::int16_t>(index + firstListedPrefix)));
    });

    submitButton_ = new QPushButton(tr("&Pokračovat"), this);
    submitButton_->setObjectName(QStringLiteral("cmdJedeme"));
    submitButton_->setGeometry(twipsRect(120, 1710, 2295, 615));
    submitButton_->setFont(arialFont(14.25, true));
    submitButton_->setDefault(true);

    quitButton_ = new QPushButton(tr("&Konec"), this);
    quitButton_->setObjectName(QStringLiteral("cmdKonec"));
    quitButton_->setGeometry(twipsRect(2520, 1710, 1575, 615));
    quitButton_->setFont(arialFont(14.25, true));

    setTabOrder(answer_, prefixList_);
    setTabOrder(prefixList_, submitButton_);
    setTabOrder(submitButton_, quitButton_);

    connect(submitButton_, &QPushButton::clicked, this, &ExerciseWindow::submitAnswer);
    connect(quitButton_, &QPushButton::clicked, this, &ExerciseWindow::quitRequested);
}

void ExerciseWindow::load()
{
    random_.seedFromClock();
    centreOnScreen(*this);
    show();
    // The sign-in window has just gone: without this no window may hold the keyboard focus.
    raise();
    activateWindow();
    showNewProblem();
}

void ExerciseWindow::showNewProblem()
{
    generateProblem(random_, state_.problemKind, state_.mantissaA, state_.prefixA, state_.mantissaB,
                    state_.prefixB);

    const ProblemQuantities quantities = quantitiesOf(state_.problemKind);
    const auto givenName = [this](Quantity quantity) {
        switch (quantity) {
        case Quantity::Voltage:
            return tr("Napětí:");
        case Quantity::Current:
            return tr("Proud:");
        case Quantity::Resistance:
            return tr("Odpor:");
        }
        return QString();
    };
    const auto question = [this](Quantity quantity) {
        switch (quantity) {
        case Quantity::Voltage:
            return tr("Vypočítej napětí:");
        case Quantity::Current:
            return tr("Vypočítej proud:");
        case Quantity::Resistance:
            return tr("Vypočítej odpor:");
        }
        return QString();
    };
    names_[0]->setText(givenName(quantities.first));
    units_[0]->setText(unitText(quantities.first));
    names_[1]->setText(givenName(quantities.second));
    units_[1]->setText(unitText(quantities.second));
    names_[2]->setText(question(quantities.asked));
    units_[2]->setText(unitText(quantities.asked));

    prefixes_[0]->setText(prefixLetter(state_.prefixA));
    prefixes_[1]->setText(prefixLetter(state_.prefixB));
    values_[0]->setText(formatMantissa(state_.mantissaA, locale_));
    values_[1]->setText(formatMantissa(state_.mantissaB, locale_));

    // The whole problem as one sentence, read with the answer box that has the focus.
    const auto given = [this](int row) {
        return names_[row]->text().chopped(1) + u' ' + values_[row]->text() + u' ' +
               prefixes_[row]->text() + units_[row]->text();
    };
    QString second = given(1);
    second[0] = second.at(0).toLower();
    const QString sentence = given(0) + QStringLiteral(", ") + second + QStringLiteral(". ") +
                             names_[2]->text().chopped(1) + u'.';
    setAccessibleDescription(sentence);
    answer_->setAccessibleDescription(sentence);

    prefixList_->setCurrentIndex(-firstListedPrefix);
    answer_->clear();
    answer_->setFocus();
    // The time an answer took counts from here, however often its confirmation is declined.
    state_.problemShownAt = std::chrono::steady_clock::now();
}

void ExerciseWindow::submitAnswer()
{
    const double value = readNumber(commaToPoint(answer_->text()));
    if (!isAcceptedAnswer(value)) {
        rejectAnswer();
        return;
    }
    state_.answerMantissa = value;
    state_.answerPrefix =
        static_cast<std::int16_t>(prefixList_->currentIndex() + firstListedPrefix);
    const qint64 judgedBefore = qint64{state_.correctCount} + state_.wrongCount;

    // The confirmation and the feedback after it run modally inside this call.
    emit answerAccepted();

    const qint64 judgedAfter = qint64{state_.correctCount} + state_.wrongCount;
    if (judgedAfter != judgedBefore && isVisible()) {
        showNewProblem();
    }
}

void ExerciseWindow::rejectAnswer()
{
    QMessageBox box(QMessageBox::NoIcon, tr("Zkus to znovu"),
                    tr("Zkus zadat nějaké hezké jednotky."), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("answerRejected"));
    box.exec();
    answer_->setSelection(0, static_cast<int>(answer_->text().size()));
    answer_->setFocus();
}

void ExerciseWindow::reject()
{
    // Esc acts as the quit button; the window itself never closes this way.
    quitButton_->click();
}

void ExerciseWindow::closeEvent(QCloseEvent *event)
{
    emit closeRequested();
    event->ignore();
}
