// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windowflow.h"

#include "app/infowindow.h"
#include "app/programend.h"
#include "app/sharedstate.h"
#include "app/splashwindow.h"
#include "app/windowstyle.h"
#include "database/schooldatabase.h"
#include "exercise/confirmwindow.h"
#include "exercise/evaluation.h"
#include "exercise/exercisewindow.h"
#include "feedback/correctwindow.h"
#include "feedback/quitwindow.h"
#include "feedback/wrongwindow.h"
#include "results/summarywindow.h"
#include "results/teacherdatawindow.h"
#include "signin/welcomewindow.h"

#include <chrono>

WindowFlow::WindowFlow(SharedState &state, UniformSource &random, ReportEncoder &encoder,
                       ProgramEnd &programEnd, const QLocale &locale, QString databasePath,
                       QObject *parent)
    : QObject(parent), state_(state), random_(random), encoder_(encoder), programEnd_(programEnd),
      locale_(locale), databasePath_(std::move(databasePath))
{
}

QString WindowFlow::databasePath() const
{
    return databasePath_.isEmpty() ? schoolDatabasePath() : databasePath_;
}

WindowFlow::~WindowFlow()
{
    // Windows go without their close handlers running, as when the program ends.
    delete splash_;
    delete welcome_;
}

void WindowFlow::start()
{
    splash_ = new SplashWindow();
    connect(splash_, &SplashWindow::handOver, this, &WindowFlow::showSignIn);
    splash_->show();
}

void WindowFlow::showSignIn()
{
    // Gone first, so that a database warning of the sign-in does not sit over the splash.
    if (splash_ != nullptr) {
        splash_->hide();
        splash_->deleteLater();
    }
    welcome_ = new WelcomeWindow(state_, encoder_, databasePath());
    connect(welcome_, &WelcomeWindow::signedIn, this, &WindowFlow::beginExercise);
    connect(welcome_, &WelcomeWindow::aboutRequested, this, &WindowFlow::showAbout);
    connect(welcome_, &WelcomeWindow::cancelRequested, &programEnd_,
            [this] { programEnd_.endProgram(0); });
    centreOnScreen(*welcome_);
    welcome_->show();
}

void WindowFlow::showAbout()
{
    InfoWindow about;
    about.exec();
}

void WindowFlow::beginExercise()
{
    if (welcome_ != nullptr) {
        welcome_->hide();
        welcome_->deleteLater();
    }
    exercise_ = std::make_unique<ExerciseWindow>(state_, random_, locale_);
    connect(exercise_.get(), &ExerciseWindow::answerAccepted, this, &WindowFlow::confirmAnswer);
    connect(exercise_.get(), &ExerciseWindow::quitRequested, this, &WindowFlow::askToQuit);
    connect(exercise_.get(), &ExerciseWindow::closeRequested, this, &WindowFlow::askToQuit);
    exercise_->load();
}

void WindowFlow::confirmAnswer()
{
    ConfirmWindow confirmation(state_, locale_, exercise_.get());
    connect(&confirmation, &ConfirmWindow::confirmed, this,
            [this, &confirmation] { judgeAnswer(confirmation); });
    confirmation.exec();
}

void WindowFlow::judgeAnswer(ConfirmWindow &confirmation)
{
    const auto confirmedAt = std::chrono::steady_clock::now();
    const bool right = evaluateAnswer(state_);
    state_.recordAnswer(right, confirmedAt);
    confirmation.accept();
    showFeedback(right);
}

void WindowFlow::showFeedback(bool right)
{
    std::unique_ptr<ContinueOrQuitDialog> feedback;
    if (right) {
        feedback = std::make_unique<CorrectWindow>(exercise_.get());
    } else {
        feedback = std::make_unique<WrongWindow>(state_, locale_, exercise_.get());
    }
    ContinueOrQuitDialog &window = *feedback;
    connect(&window, &ContinueOrQuitDialog::quitRequested, this,
            [this, &window] { endRunFrom(window); });
    window.exec();
}

void WindowFlow::askToQuit()
{
    QuitWindow question;
    connect(&question, &ContinueOrQuitDialog::quitRequested, this,
            [this, &question] { endRunFrom(question); });
    question.exec();
}

void WindowFlow::endRunFrom(ContinueOrQuitDialog &window)
{
    exercise_->hide();
    window.accept();
    showSummary();
}

void WindowFlow::showSummary()
{
    SummaryWindow summary(state_, encoder_, databasePath(), locale_, exercise_.get());
    connect(&summary, &SummaryWindow::okPressed, this, [this, &summary] { leaveSummary(summary); });
    connect(&summary, &SummaryWindow::surfaceClicked, this,
            [this, &summary] { leaveSummary(summary); });
    summary.exec();
}

// "&OK" and a click on the summary's surface lead the same way: without a teacher report the
// result is already stored and the run is over; a report is never thrown away unseen.
void WindowFlow::leaveSummary(SummaryWindow &summary)
{
    if (!summary.offersTeacherReport()) {
        programEnd_.endProgram(0);
        return;
    }
    summary.accept();
    showTeacherData();
}

void WindowFlow::showTeacherData()
{
    teacherData_ = std::make_unique<TeacherDataWindow>(encoder_);
    centreOnScreen(*teacherData_);
    connect(teacherData_.get(), &TeacherDataWindow::quitRequested, &programEnd_,
            [this] { programEnd_.endProgram(0); });
    teacherData_->show();
}
