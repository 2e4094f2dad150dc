// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QLocale>

#include <array>
#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class UniformSource;
struct SharedState;

// "Tesilka Ohmova zákona": shows one problem at a time and takes the pupil's answer. It stays
// loaded for the whole run and is only hidden at its end.
// "mikro", "mili", "bez předpony", "kilo", "mega", "giga": how a screen reader says a prefix.
QString spokenPrefix(std::int16_t prefixIndex);

class ExerciseWindow : public QDialog
{
    Q_OBJECT

public:
    ExerciseWindow(SharedState &state, UniformSource &random, const QLocale &locale,
                   QWidget *parent = nullptr);

    // Seeds the random numbers, shows the window and the first problem.
    void load();
    void showNewProblem();

signals:
    // The answer is stored in the shared state; the confirmation follows.
    void answerAccepted();
    // "&Konec" or Esc.
    void quitRequested();
    // The close box; the close itself is always cancelled.
    void closeRequested();

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void submitAnswer();
    void rejectAnswer();

    SharedState &state_;
    UniformSource &random_;
    QLocale locale_;
    std::array<QLabel *, 3> names_{};
    std::array<QLabel *, 2> values_{};
    std::array<QLabel *, 2> prefixes_{};
    std::array<QLabel *, 3> units_{};
    QLineEdit *answer_ = nullptr;
    QComboBox *prefixList_ = nullptr;
    QPushButton *submitButton_ = nullptr;
    QPushButton *quitButton_ = nullptr;
};
