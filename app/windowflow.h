// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class ConfirmWindow;
class ContinueOrQuitDialog;
class ExerciseWindow;
class ProgramEnd;
class ReportEncoder;
class SplashWindow;
class SummaryWindow;
class TeacherDataWindow;
class UniformSource;
class WelcomeWindow;
struct SharedState;

// Decides which window opens, hides or closes next. The windows only report what the pupil
// did; every transition of a run is a slot here.
class WindowFlow : public QObject
{
    Q_OBJECT

public:
    // An empty databasePath stands for the built-in one, unscrambled at every use.
    WindowFlow(SharedState &state, UniformSource &random, ReportEncoder &encoder,
               ProgramEnd &programEnd, const QLocale &locale, QString databasePath = {},
               QObject *parent = nullptr);
    ~WindowFlow() override;

    // Program start: the splash window.
    void start();

    [[nodiscard]] ExerciseWindow *exerciseWindow() const { return exercise_.get(); }

private:
    // splash → sign-in
    void showSignIn();
    void showAbout();
    // sign-in → exercise
    void beginExercise();
    // one problem: confirmation, judgement, feedback (all modal, nested in the submit)
    void confirmAnswer();
    void judgeAnswer(ConfirmWindow &confirmation);
    void showFeedback(bool right);
    // quit question from the exercise window
    void askToQuit();
    // hide the exercise window, close the asking window, summary
    void endRunFrom(ContinueOrQuitDialog &window);
    void showSummary();
    void leaveSummary(SummaryWindow &summary);
    void showTeacherData();
    [[nodiscard]] QString databasePath() const;

    SharedState &state_;
    UniformSource &random_;
    ReportEncoder &encoder_;
    ProgramEnd &programEnd_;
    QLocale locale_;
    QString databasePath_;

    // Modeless windows; modal ones live on the stack of the handler that shows them.
    QPointer<SplashWindow> splash_;
    QPointer<WelcomeWindow> welcome_;
    std::unique_ptr<ExerciseWindow> exercise_;
    std::unique_ptr<TeacherDataWindow> teacherData_;
};
