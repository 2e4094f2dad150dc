// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "teacher/resultpage.h"

class QAction;
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

    [[nodiscard]] QAction *deleteAction() const { return deleteAction_; }
    [[nodiscard]] QAction *assignAction() const { return assignAction_; }
    // The runs of the selected rows.
    [[nodiscard]] QList<ResultRow> selectedRuns() const;
    // Deletes these runs in one transaction, without asking; false (told) on failure.
    bool deleteRuns(const QList<ResultRow> &runs);
    // The selected reports go to this pupil (empty surname: nobody).
    bool assignRuns(const QList<ResultRow> &runs, const QString &surname, const QString &className,
                    bool addToList = false);

public slots:
    void deleteSelected();
    void chooseOwner();

protected:
    void refresh() override;

private:
    void updateActions();
    void setColumnWidths();

    ResultTableModel *model_;
    QTableView *table_;
    QLabel *count_;
    QComboBox *sortColumn_;
    QCheckBox *descending_;
    QAction *deleteAction_;
    QAction *assignAction_;
};
