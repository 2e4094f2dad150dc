// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "teacher/resultpage.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QStackedWidget;
class QTableView;
class ValueTableModel;

// "Souhrny": per pupil (runs, answers, success, first and last run) and per class, with the
// pupils below the teacher's threshold marked.
class SummaryPage : public ResultPage
{
    Q_OBJECT

public:
    explicit SummaryPage(QWidget *parent = nullptr);

    [[nodiscard]] ValueTableModel *pupilModel() const { return pupilModel_; }
    [[nodiscard]] ValueTableModel *classModel() const { return classModel_; }
    [[nodiscard]] QDoubleSpinBox *thresholdBox() const { return threshold_; }
    [[nodiscard]] QCheckBox *markedOnlyBox() const { return markedOnly_; }
    [[nodiscard]] QComboBox *viewBox() const { return view_; }

    QString exportCsv(const QString &path) override;
    [[nodiscard]] QString exportFileName() const override;
    [[nodiscard]] bool canPrint() const override { return true; }
    void print(QPrinter &printer) override;

protected:
    void refresh() override;

private:
    [[nodiscard]] QTableView *shownTable() const;

    ValueTableModel *pupilModel_;
    ValueTableModel *classModel_;
    QDoubleSpinBox *threshold_;
    QCheckBox *markedOnly_;
    QComboBox *view_;
    QStackedWidget *stack_;
    QTableView *pupilTable_;
    QTableView *classTable_;
};

// The threshold in per cent below which a pupil is marked, as kept in the settings.
double savedThreshold();
