// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/summarywindow.h"

#include "app/busynotice.h"
#include "app/checkedmath.h"
#include "app/sharedstate.h"
#include "app/windowstyle.h"
#include "database/schooldatabase.h"
#include "results/reportencoder.h"
#include "results/teacherreport.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>

#include <cmath>

namespace {
// The run's answers as the school database keeps them: the given values as the pupil saw
// them (three decimals), the quantity and the kind of mistake by their numbers.
QList<SchoolAnswer> schoolAnswers(const QList<AnswerRecord> &answers)
{
    const auto shown = [](float mantissa) {
        return std::round(static_cast<double>(mantissa) * 1000.0) / 1000.0;
    };
    QList<SchoolAnswer> rows;
    rows.reserve(answers.size());
    for (const AnswerRecord &answer : answers) {
        rows.append({.order = answer.order,
                     .quantity = answer.problemKind,
                     .givenA = shown(answer.mantissaA),
                     .prefixA = answer.prefixA,
                     .givenB = shown(answer.mantissaB),
                     .prefixB = answer.prefixB,
                     .answer = answer.answerInBaseUnits,
                     .answerPrefix = answer.answerPrefix,
                     .right = answer.right,
                     .mistake = static_cast<std::int32_t>(answer.mistake),
                     .seconds = answer.seconds});
    }
    return rows;
}

QLabel *makeTallyLabel(QWidget *parent, const QString &name, const QRect &geometry,
                       const QColor &colour, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop)
{
    QLabel *label = makeLabel(parent, name, geometry, dialogFont(12), alignment);
    setTextColour(*label, colour);
    return label;
}
} // namespace

SharedState reportStateForProfile(const SharedState &state, const QDateTime &now)
{
    SharedState report = state;
    report.reportName = state.pupilSurname;
    report.reportClass = state.pupilClass;
    // A run that passed midnight began on the day before.
    const QDate startDay = state.runStart <= now.time() ? now.date() : now.date().addDays(-1);
    report.reportStart = QDateTime(startDay, state.runStart);
    return report;
}

SummaryWindow::SummaryWindow(SharedState &state, ReportEncoder &encoder,
                             const QString &databasePath, const QLocale &locale, QWidget *parent)
    : QDialog(parent), state_(state), encoder_(encoder), locale_(locale)
{
    setObjectName(QStringLiteral("Souhrn"));
    setWindowTitle(tr("Souhrn"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setClientTwips(*this, 4335, 3225);
    setFont(dialogFont());

    const QColor black(0, 0, 0);
    const QColor darkGreen(0, 128, 0);
    const QColor darkRed(128, 0, 0);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignTop;
    makeTallyLabel(this, QStringLiteral("Label3"), twipsRect(120, 120, 1980, 300), black)
        ->setText(tr("Dnes jsi spočítal: "));
    today_[0] = makeTallyLabel(this, QStringLiteral("Dnes0"), twipsRect(2400, 120, 1815, 300),
                               black, right);
    makeTallyLabel(this, QStringLiteral("Label5"), twipsRect(600, 480, 780, 300), darkGreen)
        ->setText(tr("Dobře:"));
    today_[1] = makeTallyLabel(this, QStringLiteral("Dnes1"), twipsRect(2400, 480, 1815, 300),
                               darkGreen, right);
    makeTallyLabel(this, QStringLiteral("Label6"), twipsRect(600, 840, 855, 300), darkRed)
        ->setText(tr("Špatně:"));
    today_[2] = makeTallyLabel(this, QStringLiteral("Dnes2"), twipsRect(2400, 840, 1815, 300),
                               darkRed, right);

    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setGeometry(twipsRect(120, 1320, 4080, 15));

    makeTallyLabel(this, QStringLiteral("Label9"), twipsRect(120, 1440, 2160, 300), black)
        ->setText(tr("Celkem jsi spočítal:"));
    total_[0] = makeTallyLabel(this, QStringLiteral("Celk0"), twipsRect(2400, 1440, 1815, 300),
                               black, right);
    makeTallyLabel(this, QStringLiteral("Label1"), twipsRect(600, 1800, 780, 300), darkGreen)
        ->setText(tr("Dobře:"));
    total_[1] = makeTallyLabel(this, QStringLiteral("Celk1"), twipsRect(2400, 1800, 1815, 300),
                               darkGreen, right);
    makeTallyLabel(this, QStringLiteral("Label2"), twipsRect(600, 2160, 855, 300), darkRed)
        ->setText(tr("Špatně:"));
    total_[2] = makeTallyLabel(this, QStringLiteral("Celk2"), twipsRect(2400, 2160, 1815, 300),
                               darkRed, right);

    okButton_ = new QPushButton(tr("&OK"), this);
    okButton_->setObjectName(QStringLiteral("Command1"));
    okButton_->setGeometry(twipsRect(1560, 2640, 1455, 495));
    okButton_->setFont(dialogFont(13.5, true));
    okButton_->setDefault(true);
    okButton_->setFocus();
    connect(okButton_, &QPushButton::clicked, this, &SummaryWindow::okPressed);

    // Everything leaves the program here, before the window is seen.
    const QDateTime now = QDateTime::currentDateTime();
    if (state_.emailMode) {
        encodeReport(state_, now);
        showTotalsUnavailable();
    } else if (!storeInSchoolDatabase(databasePath, now)) {
        encodeReport(reportStateForProfile(state_, now), now);
        showTotalsUnavailable();
    }
    today_[0]->setText(formatCountLabel(checkedAdd(state_.correctCount, state_.wrongCount)));
    today_[1]->setText(formatCountLabel(state_.correctCount));
    today_[2]->setText(formatCountLabel(state_.wrongCount));

    // The tallies, read with the focused "&OK" when the window opens.
    const QString message =
        tr("Dnes jsi spočítal %1, dobře %2, špatně %3. Celkem jsi spočítal %4, dobře %5, "
           "špatně %6.")
            .arg(today_[0]->text().trimmed(), today_[1]->text().trimmed(),
                 today_[2]->text().trimmed(), total_[0]->text().trimmed(),
                 total_[1]->text().trimmed(), total_[2]->text().trimmed());
    setAccessibleDescription(message);
    okButton_->setAccessibleDescription(message);
}

bool SummaryWindow::storeInSchoolDatabase(const QString &databasePath, const QDateTime &now)
{
    for (;;) {
        try {
            RunTotals totals;
            {
                const BusyNotice notice(tr("Ukládám výsledek do školní databáze…"));
                totals = SchoolDatabase(databasePath)
                             .recordRunResult({.surname = state_.pupilSurname,
                                               .className = state_.pupilClass,
                                               .start = state_.runStart,
                                               .correct = state_.correctCount,
                                               .wrong = state_.wrongCount,
                                               .answers = schoolAnswers(state_.answers)},
                                              now);
            }
            // Totals past the program's counters come capped from a server: said so.
            const QString over = totals.capped ? tr(" přes") : QString();
            total_[0]->setText(
                over + formatCountLabel(checkedAdd(totals.totalCorrect, totals.totalWrong)));
            total_[1]->setText(over + formatCountLabel(totals.totalCorrect));
            total_[2]->setText(over + formatCountLabel(totals.totalWrong));
            return true;
        } catch (const DatabaseError &error) {
            QMessageBox box(QMessageBox::Warning, tr("Souhrn"),
                            tr("Výsledek se nepodařilo uložit do školní databáze."),
                            QMessageBox::NoButton, this);
            box.setObjectName(QStringLiteral("databaseFailed"));
            box.setInformativeText(
                tr("%1\n\nMůžeš to zkusit znovu, nebo si výsledek nechat připravit pro "
                   "vyučujícího a poslat ho e-mailem.")
                    .arg(QString::fromUtf8(error.what())));
            QPushButton *retry = box.addButton(tr("&Zkusit znovu"), QMessageBox::AcceptRole);
            retry->setObjectName(QStringLiteral("retry"));
            QPushButton *report = box.addButton(tr("&Poslat e-mailem"), QMessageBox::RejectRole);
            report->setObjectName(QStringLiteral("useReport"));
            box.setDefaultButton(retry);
            box.exec();
            if (box.clickedButton() != retry) {
                return false;
            }
        }
    }
}

void SummaryWindow::encodeReport(const SharedState &reportState, const QDateTime &now)
{
    encoder_.beginReportBlock();
    encoder_.encodeReportText(buildTeacherReport(reportState, now, locale_));
    offersTeacherReport_ = true;
}

void SummaryWindow::showTotalsUnavailable()
{
    for (QLabel *label : total_) {
        label->setText(tr("není k dispozici"));
    }
}

void SummaryWindow::reject()
{
    // "&OK" is the cancel button too.
    okButton_->click();
}

void SummaryWindow::mousePressEvent(QMouseEvent *event)
{
    if (childAt(event->position().toPoint()) == nullptr) {
        emit surfaceClicked();
    }
    QDialog::mousePressEvent(event);
}

void SummaryWindow::closeEvent(QCloseEvent *event)
{
    // The close box leads on like "&OK"; the flow closes the window.
    event->ignore();
    okButton_->click();
}
