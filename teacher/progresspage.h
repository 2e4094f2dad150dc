// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "teacher/resultpage.h"

class QChartView;
class QComboBox;
class QTableView;
class ValueTableModel;

// "Vývoj": the chosen pupil's (or class's, or school's) success and answers per day or week,
// as a chart and, beside it, as a table of the same numbers.
class ProgressPage : public ResultPage
{
    Q_OBJECT

public:
    explicit ProgressPage(QWidget *parent = nullptr);

    [[nodiscard]] ValueTableModel *model() const { return model_; }
    [[nodiscard]] QChartView *chartView() const { return chartView_; }
    [[nodiscard]] QComboBox *periodBox() const { return grouping_; }

    QString exportCsv(const QString &path) override;
    [[nodiscard]] QString exportFileName() const override;
    [[nodiscard]] bool canPrint() const override { return true; }
    void print(QPrinter &printer) override;

protected:
    void refresh() override;

private:
    [[nodiscard]] ProgressPeriod period() const;
    [[nodiscard]] QString chartTitle() const;

    ValueTableModel *model_;
    QChartView *chartView_;
    QComboBox *grouping_;
    QTableView *table_;
    QList<ProgressPoint> points_;
};
