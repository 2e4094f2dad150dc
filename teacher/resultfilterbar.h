// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/resultsdatabase.h"
#include "teacher/resultformat.h"

#include <QWidget>

class QComboBox;
class QDateEdit;
class QLabel;

// The filters above each results page: class, pupil, period and source, each with its own
// access key. The pages share one filter: the main window hands a change on to the other bars
// with setFilter(). Own dates the wrong way round are said so under the bar: swapping them
// behind the teacher's back would spoil a range typed first day first.
class ResultFilterBar : public QWidget
{
    Q_OBJECT

public:
    explicit ResultFilterBar(QWidget *parent = nullptr);

    // The class and pupil lists come from this database's shared lists (nullptr: empty
    // lists), read when the bar is first shown: the window's first paint does not wait for
    // them. Called again after the database changed, the choices are kept.
    void setDatabase(const ResultsDatabase *database);
    [[nodiscard]] ResultFilter filter() const;
    // Shows this filter without announcing it.
    void setFilter(const ResultFilter &filter, DatePeriod period);
    [[nodiscard]] DatePeriod period() const;

    [[nodiscard]] QComboBox *classBox() const { return class_; }
    [[nodiscard]] QComboBox *pupilBox() const { return pupil_; }
    [[nodiscard]] QComboBox *periodBox() const { return period_; }
    [[nodiscard]] QDateEdit *fromEdit() const { return from_; }
    [[nodiscard]] QDateEdit *toEdit() const { return to_; }
    [[nodiscard]] QComboBox *sourceBox() const { return source_; }
    // "Období je prázdné…", shown while "Od" is after "Do".
    [[nodiscard]] QLabel *rangeNote() const { return rangeNote_; }

    // Today as the periods count it; a test may fix it.
    void setToday(const QDate &today);

signals:
    void filterChanged(const ResultFilter &filter, DatePeriod period);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillLists();
    void fillPupils();
    void periodChosen();
    void announce();
    void updateRangeNote();

    const ResultsDatabase *database_ = nullptr;
    ResultsDatabase::FilterLists lists_;
    QDate today_;
    bool quiet_ = false;
    bool listsStale_ = true;
    QComboBox *class_;
    QComboBox *pupil_;
    QComboBox *period_;
    QDateEdit *from_;
    QDateEdit *to_;
    QComboBox *source_;
    QLabel *rangeNote_;
    QLabel *fromLabel_ = nullptr;
    QLabel *toLabel_ = nullptr;
};
