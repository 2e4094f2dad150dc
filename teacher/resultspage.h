// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "teacher/resultpage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QTableView;
class ResultTableModel;

// "Výsledky": every run of the filter, school runs and e-mailed reports, sorted by any column.
class ResultsPage : public ResultPage
{
    Q_OBJECT

public:
    explicit ResultsPage(QWidget *parent = nullptr);

    [[nodiscard]] ResultTableModel *model() const { return model_; }
    [[nodiscard]] QTableView *table() const { return table_; }
    [[nodiscard]] QComboBox *sortBox() const { return sortColumn_; }

    QString exportCsv(const QString &path) override;
    [[nodiscard]] QString exportFileName() const override;

protected:
    void refresh() override;

private:
    ResultTableModel *model_;
    QTableView *table_;
    QLabel *count_;
    QComboBox *sortColumn_;
    QCheckBox *descending_;
};
