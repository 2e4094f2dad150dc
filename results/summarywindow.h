// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QLocale>
#include <QString>

#include <array>

class QLabel;
class QPushButton;
class ReportEncoder;
struct SharedState;

// "Souhrn": ends a run. While it loads it sends the result out (a row in the school database,
// or the encoded teacher report), then shows this run's and all runs' tallies.
class SummaryWindow : public QDialog
{
    Q_OBJECT

public:
    SummaryWindow(SharedState &state, ReportEncoder &encoder, const QString &databasePath,
                  const QLocale &locale, QWidget *parent = nullptr);

    // True when the run's result went into the teacher report, which is still to be shown:
    // in e-mail mode, and when the school database could not take the row.
    [[nodiscard]] bool offersTeacherReport() const { return offersTeacherReport_; }

signals:
    // "&OK", Enter or Esc.
    void okPressed();
    // A click on the window's surface outside its labels and its button.
    void surfaceClicked();

public slots:
    void reject() override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool storeInSchoolDatabase(const QString &databasePath, const QDateTime &now);
    void encodeReport(const SharedState &reportState, const QDateTime &now);
    void showTotalsUnavailable();

    SharedState &state_;
    ReportEncoder &encoder_;
    QLocale locale_;
    std::array<QLabel *, 3> today_{};
    std::array<QLabel *, 3> total_{};
    QPushButton *okButton_ = nullptr;
    bool offersTeacherReport_ = false;
};

// The report of a school-server run whose row could not be stored: the profile's surname and
// class stand for the typed name and class, the sign-in time on the run's day for the start.
SharedState reportStateForProfile(const SharedState &state, const QDateTime &now);
